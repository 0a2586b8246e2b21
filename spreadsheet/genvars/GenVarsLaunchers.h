#pragma once

#include "platform/core/model/TfAutoStandardsData.h"

// The exported launcher of the general-variables dialog: the record goes into a modal
// CDlgGenVars and comes back only on OK (true); otherwise it is left as it was.
bool StartDlgGenVars(TfAutoStandardsData& data);
