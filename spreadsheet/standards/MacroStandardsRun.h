#pragma once

#include "platform/core/text/Vdn_StringArray.h"
#include "spreadsheet/standards/EvaluationReport.h"
#include "spreadsheet/standards/TfVarCells.h"

class Vdn_DbMacro;

namespace ss {

// One standards evaluation of a macro, as the core module starts it: the sheet's inputs are
// read from the macro through the mapping target, its equations computed, and its outputs
// written into the macro (through the macro's record, so bolt data and member names the mapping
// keeps there arrive too). The macro's general variables are seen, then genNames/genValues,
// which replace macro values of the same name. The current user answers what the sheet asks.
struct MacroStandardsRun {
    bool ok = false;
    // Why it failed, in plain words; empty on success.
    Vdn_String failure;
    EvaluationReport report;
    TfVarCells variables;

    static MacroStandardsRun evaluate(Vdn_DbMacro& macro, const Vdn_String& sheet,
                                      const Vdn_String& target,
                                      const Vdn_StringArray& genNames = {},
                                      const Vdn_StringArray& genValues = {});
};

// Hands the core module's standards evaluations (MacroData::loadFromStandards) to
// MacroStandardsRun, with the macro's own general variables. Called by whoever loads this
// subsystem; calling it again changes nothing.
void installStandardsEvaluator();

} // namespace ss
