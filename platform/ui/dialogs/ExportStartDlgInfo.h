#pragma once

#include "platform/core/model/DlgInfoData.h"

// The core module's information window: shows the report's lines under its caption until the
// user closes it (through the current ui::User, as every message box).
void ExportStartDlgInfo(DlgInfoData& data);
