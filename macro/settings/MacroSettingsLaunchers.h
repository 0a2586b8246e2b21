#pragma once
// The launchers of the macro settings dialog.

#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/MacroSettingsData.h"

class Vdn_DbMacro;

// Opens the macro settings dialog on the settings of the macro of the drawing object
// macroObject (GetMacroSettings). When the user ends it with OK and anything changed (a value,
// or a mapping written into a sheet's mapping file), the settings are written back
// (SetMacroSettings) and the result is true. False when nothing changed, on Cancel, for an
// object the drawing does not hold, and when the model refuses the settings (the user is told
// why; the macro keeps what it had).
bool StartDlgMacroSettings(AcDbObjectId macroObject);

// The dialog on settings, offering the modules and values of macro (may be null). On OK
// settings takes the edited record (mappingChanged set when a mapping was written) and the
// result is true; on Cancel settings is left as it was.
bool runDlgMacroSettings(MacroSettingsData& settings, Vdn_DbMacro* macro);
