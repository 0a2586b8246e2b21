#pragma once

#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/text/Vdn_String.h"

#include <functional>

// What the macro editor's cut button opens: the cut of a constraint (macro object, module
// name, constraint id), in the core module's cut dialog. It sets the flag when the next Escape
// key belongs to the drawing rather than to the editor; the result says whether the cut
// changed. While no opener is set the button is disabled.
using MacroCutOpener = std::function<bool(AcDbObjectId, const Vdn_String&, int, bool&)>;
MacroCutOpener& macroCutOpener();
