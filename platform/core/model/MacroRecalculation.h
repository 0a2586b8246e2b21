#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <string>

class Vdn_DbMacro;
class Vdn_Module;

namespace core {

// The equations of a macro: each module may derive its variables with equations
// "NAME = formula", where NAME is a variable of the module and the formula is written in the
// spreadsheet formula language (platform/grid) with variable names in place of cell
// references. A name in a formula is the module's own variable, else a general variable, else
// the variable of that name in the one other module that has it (compared without regard to
// case). Derived values are computed in dependency order, each once; equations that depend on
// each other in a circle are refused.
class MacroRecalculation {
public:
    // Checks every equation: its form, its formula, its names and that no two derive the same
    // variable and none depends on itself. On failure where is the JSON path of the equation
    // ("modules[1].equations[0]") and reason says why; true when all are sound.
    static bool check(const Vdn_DbMacro& macro, std::string& where, std::string& reason);
    // Recomputes every derived variable in dependency order. On failure (an equation that
    // check refuses, or a formula that gives an error value) the macro is left as it was and
    // message says why.
    static bool run(Vdn_DbMacro& macro, Vdn_String& message);
    // The derived variables as "Module.Name", in the order run computes them (empty when
    // check fails).
    static Vdn_StringArray order(const Vdn_DbMacro& macro);
    // Whether an equation of the module derives the variable.
    static bool isDerived(const Vdn_DbMacro& macro, const Vdn_String& moduleName,
                          const Vdn_String& variable);
    static bool isDerived(const Vdn_Module& module, const Vdn_String& variable);
};

} // namespace core
