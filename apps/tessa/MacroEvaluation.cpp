#include "apps/tessa/MacroEvaluation.h"

#include "apps/tessa/ProgramText.h"
#include "platform/ui/users/NonInteractiveUser.h"
#include "platform/ui/users/UserScope.h"
#include "spreadsheet/standards/MacroStandardsRun.h"

#include <cstdio>

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

std::optional<MacroEvaluation::Request>
MacroEvaluation::requestOf(const std::string& sheet, const std::string& target,
                           const std::vector<std::string>& assignments) {
    Request request;
    request.sheet = sheet;
    request.target = target;
    for (const std::string& assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0) {
            std::fprintf(stderr, "tessa: --gen %s: expected NAME=VALUE\n", assignment.c_str());
            return std::nullopt;
        }
        request.genNames.append(Vdn_String::fromUtf8(assignment.substr(0, equals)));
        request.genValues.append(Vdn_String::fromUtf8(assignment.substr(equals + 1)));
    }
    return request;
}

MacroEvaluation::Outcome MacroEvaluation::run(Vdn_DbMacro& macro, const Request& request) {
    RecordingUser user;
    const ui::UserScope userScope(user);
    ss::MacroStandardsRun run = ss::MacroStandardsRun::evaluate(
        macro, Vdn_String::fromUtf8(request.sheet), Vdn_String::fromUtf8(request.target),
        request.genNames, request.genValues);
    Outcome outcome;
    outcome.messages = std::move(user.texts());
    for (const Vdn_String& problem : run.report.problems)
        outcome.problems.push_back(utf8(problem));
    outcome.ok = run.ok;
    outcome.error = utf8(run.failure);
    if (run.ok)
        outcome.variables = std::move(run.variables);
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
