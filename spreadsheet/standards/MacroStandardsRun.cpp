#include "spreadsheet/standards/MacroStandardsRun.h"

#include "platform/core/model/MacroData.h"
#include "platform/core/model/StandardsEvaluator.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/host/AcTransaction.h"
#include "spreadsheet/standards/StandardsLaunchers.h"
#include "spreadsheet/standards/TfDlgStandardsData.h"

namespace ss {

namespace {

// Sets a general variable, replacing the value of one of the same name (without regard to
// case) or appending it.
void setGeneralVariable(Vdn_StringArray& names, Vdn_StringArray& values, const Vdn_String& name,
                        const Vdn_String& value) {
    const int found = names.find(name, false);
    if (found >= 0) {
        values[found] = value;
        return;
    }
    names.append(name);
    values.append(value);
}

} // namespace

MacroStandardsRun MacroStandardsRun::evaluate(Vdn_DbMacro& macro, const Vdn_String& sheet,
                                              const Vdn_String& target,
                                              const Vdn_StringArray& genNames,
                                              const Vdn_StringArray& genValues) {
    MacroStandardsRun run;
    MacroData macroData;
    if (macro.getMacroData(macroData) != Acad::eOk) {
        run.failure = L"the macro's record could not be made";
        return run;
    }
    TfDlgStandardsData data;
    if (data.initialize(&macro, sheet, target.isEmpty() ? macro.name : target, &macroData) !=
        Acad::eOk) {
        run.failure = L"the evaluation could not be prepared";
        return run;
    }
    AcTransaction transaction;
    data.transaction = &transaction;
    data.report = &run.report;
    macro.getGeneralVariables(data.genVarNames, data.genVarValues);
    for (int i = 0; i < genNames.length() && i < genValues.length(); ++i)
        setGeneralVariable(data.genVarNames, data.genVarValues, genNames[i], genValues[i]);

    if (!StartDlgStandardsSS(data)) {
        run.failure = L"the evaluation of " + sheet + L" failed" +
                      (run.report.failure.isEmpty() ? Vdn_String() : L": " + run.report.failure);
        return run;
    }
    if (run.report.inputs > 0 && run.report.filledInputs == 0) {
        run.failure = L"none of the inputs of " + sheet + L" could be filled from the macro: " +
                      (run.report.mappingProblem.isEmpty() ? Vdn_String(L"no mapping")
                                                           : run.report.mappingProblem);
        return run;
    }
    // Values the mapping keeps in the macro's record (bolt data, member names, flex/fix
    // states) reach the modules only through the record.
    if (macro.setMacroData(macroData) != Acad::eOk) {
        run.failure = L"the results could not be written into the macro";
        return run;
    }
    run.ok = true;
    run.variables = std::move(data.varCells);
    return run;
}

void installStandardsEvaluator() {
    core::standardsEvaluator() = [](Vdn_DbMacro& macro, const Vdn_String& sheet,
                                    const Vdn_String& target, Vdn_String& problem) {
        MacroStandardsRun run = MacroStandardsRun::evaluate(macro, sheet, target);
        problem = run.failure;
        return run.ok;
    };
}

} // namespace ss
