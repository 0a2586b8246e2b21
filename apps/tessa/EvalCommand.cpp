#include "apps/tessa/EvalCommand.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/ProgramText.h"
#include "platform/core/DocumentData.h"
#include "platform/core/MacroData.h"
#include "platform/core/MacroReadResult.h"
#include "platform/core/Vdn_Settings.h"
#include "platform/host/AcTransaction.h"
#include "platform/ui/NonInteractiveUser.h"
#include "platform/ui/UserScope.h"
#include "spreadsheet/standards/CalcSSTimers.h"
#include "spreadsheet/standards/StandardsLaunchers.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace app {

namespace {

struct EvalOptions {
    std::string sheet;
    std::string macroFile;
    std::string target;
    std::vector<std::string> generalVariables; // NAME=VALUE, in order
    std::string library;
    std::string out;
    bool messages = false;
    bool json = false;
    bool timings = false;
};

// The user of an unattended evaluation: answers as NonInteractiveUser does (message boxes go
// to stderr) and keeps every message box text for the JSON result.
class RecordingUser : public ui::NonInteractiveUser {
public:
    int messageBox(const ui::MessageBoxRecord& record) override {
        mTexts.push_back(utf8(record.text));
        return NonInteractiveUser::messageBox(record);
    }
    const std::vector<std::string>& texts() const { return mTexts; }

private:
    std::vector<std::string> mTexts;
};

const char* sectionName(const TfVarCell& cell) {
    return cell.isInput() ? "Input" : cell.isOutput() ? "Output" : "Local";
}

const char* typeName(const TfVarCell& cell) {
    switch (cell.valueType) {
    case 0:
        return "Int";
    case 1:
        return "Double";
    default:
        return "String";
    }
}

double milliseconds(const Vdn_Timer& timer) {
    return std::chrono::duration<double, std::milli>(timer.total()).count();
}

// Reports a failure in the form the options ask for; gives the exit code.
int failEvaluation(const EvalOptions& options, const std::string& reason,
                   const std::vector<std::string>& messages = {}) {
    if (!options.json)
        return fail(reason);
    printJson({{"ok", false}, {"error", reason}, {"messages", messages}});
    return kExitFailed;
}

void printVariables(const TfVarCells& cells) {
    for (int i = 0; i < cells.length(); ++i) {
        const TfVarCell& cell = cells[i];
        std::printf("%s\t%s\t%s\t%s\n", sectionName(cell), typeName(cell),
                    utf8(cell.name).c_str(), utf8(cell.value).c_str());
    }
}

nlohmann::json jsonVariables(const TfVarCells& cells) {
    nlohmann::json list = nlohmann::json::array();
    for (int i = 0; i < cells.length(); ++i) {
        const TfVarCell& cell = cells[i];
        list.push_back({{"name", utf8(cell.name)},
                        {"section", sectionName(cell)},
                        {"type", typeName(cell)},
                        {"value", utf8(cell.value)}});
    }
    return list;
}

nlohmann::json jsonTimings() {
    nlohmann::json list = nlohmann::json::array();
    for (const Vdn_Timer* timer : calcSSPhaseTimers())
        list.push_back({{"name", utf8(timer->name())},
                        {"count", timer->count()},
                        {"ms", milliseconds(*timer)}});
    return list;
}

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

int evaluate(const EvalOptions& options) {
    Vdn_StringArray genNames;
    Vdn_StringArray genValues;
    for (const std::string& assignment : options.generalVariables) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0) {
            std::fprintf(stderr, "tessa: --gen %s: expected NAME=VALUE\n", assignment.c_str());
            return kExitUsage;
        }
        genNames.append(Vdn_String::fromUtf8(assignment.substr(0, equals)));
        genValues.append(Vdn_String::fromUtf8(assignment.substr(equals + 1)));
    }
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));

    core::MacroReadResult read =
        Vdn_DbMacro::readFromFile(Vdn_String::fromUtf8(options.macroFile));
    if (!read)
        return failEvaluation(options, utf8(read.message()));
    Vdn_DbMacro& macro = read.macro();
    MacroData macroData;
    if (macro.getMacroData(macroData) != Acad::eOk)
        return failEvaluation(options, options.macroFile + ": the macro's record could not be made");

    RecordingUser user;
    const ui::UserScope userScope(user);
    core::currentDocumentData().spreadsheetMessages = options.messages;
    for (Vdn_Timer* timer : calcSSPhaseTimers())
        timer->reset();

    TfDlgStandardsData data;
    const Vdn_String target =
        options.target.empty() ? macro.name : Vdn_String::fromUtf8(options.target);
    if (data.initialize(&macro, Vdn_String::fromUtf8(options.sheet), target, &macroData) !=
        Acad::eOk)
        return failEvaluation(options, "the evaluation could not be prepared");
    AcTransaction transaction;
    data.transaction = &transaction;
    // The sheet sees the macro's general variables, then those of the command line, which
    // replace macro values of the same name.
    macro.getGeneralVariables(data.genVarNames, data.genVarValues);
    for (int i = 0; i < genNames.length(); ++i)
        setGeneralVariable(data.genVarNames, data.genVarValues, genNames[i], genValues[i]);

    bool evaluated = false;
    {
        // The host's command line goes to stderr: stdout carries the results.
        const LoadedModule loadedModule(stderr);
        if (!loadedModule.loaded())
            return failEvaluation(options, "the module could not be loaded", user.texts());
        evaluated = StartDlgStandardsSS(data);
    }
    if (!evaluated)
        return failEvaluation(options, "the evaluation of " + options.sheet + " failed",
                              user.texts());
    // Values the mapping keeps in the macro's record (bolt data, member names, flex/fix
    // states) reach the modules only through the record.
    if (macro.setMacroData(macroData) != Acad::eOk)
        return failEvaluation(options, "the results could not be written into the macro",
                              user.texts());
    if (!options.out.empty() && !macro.writeToFile(Vdn_String::fromUtf8(options.out)))
        return failEvaluation(options, options.out + ": could not be written", user.texts());

    if (options.json) {
        nlohmann::json result = {{"ok", true},
                                 {"variables", jsonVariables(data.varCells)},
                                 {"messages", user.texts()}};
        if (options.timings)
            result["timings"] = jsonTimings();
        printJson(result);
        return kExitOk;
    }
    printVariables(data.varCells);
    if (options.timings) {
        for (const Vdn_Timer* timer : calcSSPhaseTimers())
            std::printf("%s\n", utf8(timer->toString()).c_str());
    }
    return kExitOk;
}

} // namespace

void addEvalCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<EvalOptions>();
    CLI::App* eval = program.add_subcommand(
        "eval", "Evaluate a standards sheet for a macro: fill its variables from the macro, "
                "calculate, write the outputs back; prints section, type, name and value of "
                "every variable");
    eval->add_option("SHEET", options->sheet,
                     "The standards sheet: a .tfs or .csv path, or a name in the library's "
                     "\"Connection Standards\" folder")
        ->required();
    eval->add_option("--macro", options->macroFile, "The macro file (JSON)")->required();
    eval->add_option("--target", options->target,
                     "The mapping target: \"Module.\" + a module group, or a mapping name "
                     "(default: the macro's name)");
    eval->add_option("--gen", options->generalVariables,
                     "A general variable NAME=VALUE (repeatable, in order) besides the macro's "
                     "own; it replaces a macro value of the same name");
    eval->add_option("--library", options->library, "The library folder");
    eval->add_option("--out", options->out,
                     "Write the updated macro here (the input file is never changed otherwise)");
    eval->add_flag("--messages", options->messages,
                   "Show the spreadsheet messages (printed on stderr)");
    eval->add_flag("--json", options->json,
                   "Print {\"ok\":...,\"variables\":[...],\"messages\":[...]}");
    eval->add_flag("--timings", options->timings, "Print the phase timers");
    eval->callback([options, &run] { run = [options] { return evaluate(*options); }; });
}

} // namespace app
