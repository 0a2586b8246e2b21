#include "apps/tessa/EvalCommand.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/MacroEvaluation.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/settings/DocumentData.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "spreadsheet/standards/CalcSSTimers.h"
#include "spreadsheet/standards/MappingFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
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

double milliseconds(const Vdn_Timer& timer) {
    return std::chrono::duration<double, std::milli>(timer.total()).count();
}

// Equations that failed while the evaluation went on, as warnings on stderr.
void printProblems(const std::vector<std::string>& problems) {
    for (const std::string& problem : problems)
        std::fprintf(stderr, "tessa: warning: %s\n", problem.c_str());
}

// Reports a failure in the form the options ask for; gives the exit code.
int failEvaluation(const EvalOptions& options, const std::string& reason,
                   const MacroEvaluation::Outcome& outcome = {}) {
    if (!options.json) {
        printProblems(outcome.problems);
        return fail(reason);
    }
    printJson({{"ok", false},
               {"error", shortened(reason)},
               {"messages", outcome.messages},
               {"problems", outcome.problems}});
    return kExitFailed;
}

void printVariables(const TfVarCells& cells) {
    for (int i = 0; i < cells.length(); ++i) {
        const TfVarCell& cell = cells[i];
        std::printf("%s\t%s\t%s\t%s\n", MacroEvaluation::sectionName(cell),
                    MacroEvaluation::typeName(cell), utf8(cell.name).c_str(),
                    utf8(cell.value).c_str());
    }
}

nlohmann::json jsonTimings() {
    nlohmann::json list = nlohmann::json::array();
    for (const Vdn_Timer* timer : calcSSPhaseTimers())
        list.push_back({{"name", utf8(timer->name())},
                        {"count", timer->count()},
                        {"ms", milliseconds(*timer)}});
    return list;
}

int evaluate(const EvalOptions& options) {
    const std::optional<MacroEvaluation::Request> request =
        MacroEvaluation::requestOf(options.sheet, options.target, options.generalVariables);
    if (!request)
        return kExitUsage;
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));

    // An output that can never be written is refused before the work, not after it.
    if (!options.out.empty()) {
        if (auto refused = OutputFile(options.out, "--out", "this evaluation").refusal())
            return failEvaluation(options, *refused);
    }
    core::MacroReadResult read = Vdn_DbMacro::readFromFile(Vdn_String::fromUtf8(options.macroFile));
    if (!read)
        return failEvaluation(options, utf8(read.message()));
    Vdn_DbMacro& macro = read.macro();

    core::currentDocumentData().spreadsheetMessages = options.messages;
    Vdn_Timer::setClockReading(options.timings);
    for (Vdn_Timer* timer : calcSSPhaseTimers())
        timer->reset();

    MacroEvaluation::Outcome outcome;
    {
        // The host's command line goes to stderr: stdout carries the results.
        const LoadedModule loadedModule(stderr);
        if (!loadedModule.loaded())
            return failEvaluation(options, "the module could not be loaded");
        outcome = MacroEvaluation::run(macro, *request);
    }
    if (!outcome.ok)
        return failEvaluation(options, outcome.error, outcome);
    if (!options.out.empty()) {
        // No file the evaluation read (macro, sheet, child sheets, mapping, data tables, size
        // lists, section tables) may be replaced by the result.
        const OutputFile out(options.out, "--out", "this evaluation");
        if (auto failed = out.write([&macro](const std::filesystem::path& path) {
                return macro.writeToFile(core::fromNativePath(path));
            }))
            return failEvaluation(options, *failed, outcome);
    }

    if (options.json) {
        nlohmann::json result = MacroEvaluation::json(outcome);
        if (options.timings)
            result["timings"] = jsonTimings();
        printJson(result);
        return kExitOk;
    }
    printVariables(outcome.variables);
    printProblems(outcome.problems);
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
                     "Write the updated macro here (the input file is never changed otherwise)")
        ->check(outputPathCheck());
    eval->add_flag("--messages", options->messages,
                   "Show the spreadsheet messages (printed on stderr)");
    eval->add_flag("--json", options->json,
                   "Print {\"ok\":...,\"variables\":[...],\"messages\":[...]}");
    eval->add_flag("--timings", options->timings, "Print the phase timers");
    eval->callback([options, &run] { run = [options] { return evaluate(*options); }; });
}

} // namespace app
