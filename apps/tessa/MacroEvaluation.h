#pragma once

#include "platform/core/text/Vdn_StringArray.h"
#include "spreadsheet/standards/TfVarCells.h"

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

class Vdn_DbMacro;

namespace app {

// One standards evaluation of a macro as `tessa eval` and `tessa batch` run it: the macro's
// general variables and those of the command line, the sheet, the mapping target; the module
// must be loaded. The result in the shape of `tessa eval --json`.
class MacroEvaluation {
public:
    struct Request {
        std::string sheet;
        // Empty: the macro's name.
        std::string target;
        // Besides the macro's own general variables, replacing those of the same name.
        Vdn_StringArray genNames;
        Vdn_StringArray genValues;
    };

    struct Outcome {
        bool ok = false;
        std::string error;
        TfVarCells variables;
        std::vector<std::string> messages;
        // Equations that failed without stopping the evaluation (see ss::EvaluationReport).
        std::vector<std::string> problems;
    };

    // The request of a command line: the sheet, the target and the --gen NAME=VALUE
    // assignments. nullopt, after saying why on stderr, for an assignment without a name or "=".
    static std::optional<Request> requestOf(const std::string& sheet, const std::string& target,
                                            const std::vector<std::string>& assignments);

    // Evaluates the sheet for the macro and writes the outputs into it. Fails when the
    // evaluation fails (with its reason) and when none of the sheet's inputs could be filled
    // from the macro (the mapping gave nothing, so the results would be nonsense).
    static Outcome run(Vdn_DbMacro& macro, const Request& request);

    // {"ok":true,"variables":[...],"messages":[...],"problems":[...]} or
    // {"ok":false,"error":...,"messages":[...],"problems":[...]}.
    static nlohmann::json json(const Outcome& outcome);
    // The same document as one line of text, with "line": line when line > 0 (as the JSON
    // library writes it, keys in order), written directly: a batch writes thousands.
    static std::string jsonLine(const Outcome& outcome, std::size_t line);

    // "Input", "Output" or "Local"; "Int", "Double" or "String".
    static const char* sectionName(const TfVarCell& cell);
    static const char* typeName(const TfVarCell& cell);
};

} // namespace app
