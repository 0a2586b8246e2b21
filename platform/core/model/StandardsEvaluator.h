#pragma once

#include "platform/core/text/Vdn_String.h"

#include <functional>

class Vdn_DbMacro;

namespace core {

// Evaluates one standards spreadsheet (its name below the standards folder) for a macro and
// the target of a mapping row ("Module." + a module name, or a mapping stored in the sheet),
// writing the sheet's outputs into the macro. False, with problem saying why, when the
// evaluation fails. The spreadsheet subsystem installs it when it is loaded: the core module
// hands evaluations to it and cannot compute sheets by itself.
using StandardsEvaluator = std::function<bool(Vdn_DbMacro& macro, const Vdn_String& sheet,
                                              const Vdn_String& target, Vdn_String& problem)>;

StandardsEvaluator& standardsEvaluator();

} // namespace core
