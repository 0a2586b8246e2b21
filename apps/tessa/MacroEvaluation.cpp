#include "apps/tessa/MacroEvaluation.h"

#include "apps/tessa/ProgramText.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/host/AcTransaction.h"
#include "platform/ui/users/NonInteractiveUser.h"
#include "platform/ui/users/UserScope.h"
#include "spreadsheet/standards/EvaluationReport.h"
#include "spreadsheet/standards/StandardsLaunchers.h"

namespace app {

namespace {

// The user of an unattended evaluation: answers as NonInteractiveUser does (message boxes go
// to stderr) and keeps every message box text for the result.
class RecordingUser : public ui::NonInteractiveUser {
public:
    int messageBox(const ui::MessageBoxRecord& record) override {
        texts_.push_back(utf8(record.text));
        return NonInteractiveUser::messageBox(record);
    }
    std::vector<std::string>& texts() { return texts_; }

private:
    std::vector<std::string> texts_;
};

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

const char* MacroEvaluation::sectionName(const TfVarCell& cell) {
    return cell.isInput() ? "Input" : cell.isOutput() ? "Output" : "Local";
}

const char* MacroEvaluation::typeName(const TfVarCell& cell) {
    switch (cell.valueType) {
    case tfInteger:
        return "Int";
    case tfDouble:
        return "Double";
    default:
        return "String";
    }
}

MacroEvaluation::Outcome MacroEvaluation::run(Vdn_DbMacro& macro, const Request& request) {
    Outcome outcome;
    MacroData macroData;
    if (macro.getMacroData(macroData) != Acad::eOk) {
        outcome.error = "the macro's record could not be made";
        return outcome;
    }
    RecordingUser user;
    const ui::UserScope userScope(user);

    TfDlgStandardsData data;
    const Vdn_String target =
        request.target.empty() ? macro.name : Vdn_String::fromUtf8(request.target);
    if (data.initialize(&macro, Vdn_String::fromUtf8(request.sheet), target, &macroData) !=
        Acad::eOk) {
        outcome.error = "the evaluation could not be prepared";
        return outcome;
    }
    AcTransaction transaction;
    data.transaction = &transaction;
    ss::EvaluationReport report;
    data.report = &report;
    // The sheet sees the macro's general variables, then those of the request, which replace
    // macro values of the same name.
    macro.getGeneralVariables(data.genVarNames, data.genVarValues);
    for (int i = 0; i < request.genNames.length(); ++i)
        setGeneralVariable(data.genVarNames, data.genVarValues, request.genNames[i],
                           request.genValues[i]);

    const bool evaluated = StartDlgStandardsSS(data);
    outcome.messages = std::move(user.texts());
    for (const Vdn_String& problem : report.problems)
        outcome.problems.push_back(utf8(problem));
    if (!evaluated) {
        outcome.error = "the evaluation of " + request.sheet + " failed" +
                        (report.failure.isEmpty() ? std::string() : ": " + utf8(report.failure));
        return outcome;
    }
    if (report.inputs > 0 && report.filledInputs == 0) {
        outcome.error = "none of the inputs of " + request.sheet +
                        " could be filled from the macro: " +
                        (report.mappingProblem.isEmpty() ? std::string("no mapping")
                                                         : utf8(report.mappingProblem));
        return outcome;
    }
    // Values the mapping keeps in the macro's record (bolt data, member names, flex/fix
    // states) reach the modules only through the record.
    if (macro.setMacroData(macroData) != Acad::eOk) {
        outcome.error = "the results could not be written into the macro";
        return outcome;
    }
    outcome.ok = true;
    outcome.variables = std::move(data.varCells);
    return outcome;
}

nlohmann::json MacroEvaluation::json(const Outcome& outcome) {
    if (!outcome.ok)
        return {{"ok", false},
                {"error", shortened(outcome.error)},
                {"messages", outcome.messages},
                {"problems", outcome.problems}};
    nlohmann::json list = nlohmann::json::array();
    for (int i = 0; i < outcome.variables.length(); ++i) {
        const TfVarCell& cell = outcome.variables[i];
        list.push_back({{"name", utf8(cell.name)},
                        {"section", sectionName(cell)},
                        {"type", typeName(cell)},
                        {"value", utf8(cell.value)}});
    }
    return {{"ok", true},
            {"variables", list},
            {"messages", outcome.messages},
            {"problems", outcome.problems}};
}

std::string MacroEvaluation::jsonLine(const Outcome& outcome, std::size_t line) {
    std::string out = "{";
    const auto lineField = [&out, line] {
        if (line > 0)
            out += "\"line\":" + std::to_string(line) + ",";
    };
    const auto texts = [&out](const char* key, const std::vector<std::string>& list) {
        out += '"';
        out += key;
        out += "\":[";
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (i > 0)
                out += ',';
            appendJsonString(out, list[i]);
        }
        out += "],";
    };
    if (!outcome.ok) {
        out += "\"error\":";
        appendJsonString(out, shortened(outcome.error));
        out += ',';
        lineField();
        texts("messages", outcome.messages);
        out += "\"ok\":false,";
        texts("problems", outcome.problems);
        out.back() = '}';
        return out;
    }
    lineField();
    texts("messages", outcome.messages);
    out += "\"ok\":true,";
    texts("problems", outcome.problems);
    out += "\"variables\":[";
    for (int i = 0; i < outcome.variables.length(); ++i) {
        const TfVarCell& cell = outcome.variables[i];
        out += i > 0 ? ",{\"name\":" : "{\"name\":";
        appendJsonString(out, utf8(cell.name));
        out += ",\"section\":\"";
        out += sectionName(cell);
        out += "\",\"type\":\"";
        out += typeName(cell);
        out += "\",\"value\":";
        appendJsonString(out, utf8(cell.value));
        out += '}';
    }
    out += "]}";
    return out;
}

} // namespace app
