#pragma once

#include "module/TfSheetsMgrDlgData.h"

// Opens the docked sheets manager (CDlgSheetsMgr) with a copy of data; when it is open already
// its bar is only shown again and data is ignored. False when the panel cannot be created.
bool StartModelessDlgSheetsMgr(const TfSheetsMgrDlgData& data);
