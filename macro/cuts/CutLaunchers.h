#pragma once

#include "platform/core/model/DlgMacroCutsData.h"
#include "platform/core/model/DlgProfCutsData.h"

// Runs the cut dialog on a copy of data; on OK data takes the dialog's record. cancelled is set
// whatever the end: true when the user cancelled. True on OK.
bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& cancelled);
// The macro editor's cut button: the cut that constraint constraintId of the module names
// (its cutName) opens in the cut dialog for editing, and OK writes it into the macro of the
// drawing. passEscape is set when the dialog was left with Escape, so that the editor lets
// that key pass once. False, with the reason on the command line, when the macro, module,
// constraint or cut does not exist, and when the dialog is cancelled or the model refuses.
bool StartEditMacroCutDlg(AcDbObjectId macroObject, const Vdn_String& moduleName, int constraintId,
                          bool& passEscape);
// Runs the profile-cuts dialog on a copy of data (its cuts change in the drawing, the record
// is not copied back); on OK the preview option is kept for the next run. True on OK.
bool StartEditProfCutsDlg(DlgProfCutsData& data);

// The preview option of the profile-cuts dialog that lives as long as the module: true until a
// run ends with OK and previews off.
bool& profCutsPreviewOption();
