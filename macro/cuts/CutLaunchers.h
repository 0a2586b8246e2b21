#pragma once

#include "platform/core/model/DlgMacroCutsData.h"
#include "platform/core/model/DlgProfCutsData.h"

// Runs the cut dialog on a copy of data; on OK data takes the dialog's record. cancelled is set
// whatever the end: true when the user cancelled. True on OK.
bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& cancelled);
// Runs the profile-cuts dialog on a copy of data (its cuts change in the drawing, the record
// is not copied back); on OK the preview option is kept for the next run. True on OK.
bool StartEditProfCutsDlg(DlgProfCutsData& data);

// The preview option of the profile-cuts dialog that lives as long as the module: true until a
// run ends with OK and previews off.
bool& profCutsPreviewOption();
