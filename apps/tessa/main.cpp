// tessa: the command-line program of the module.
#include "apps/tessa/BatchCommand.h"
#include "apps/tessa/BillCommand.h"
#include "apps/tessa/Cis2Commands.h"
#include "apps/tessa/Command.h"
#include "apps/tessa/CspCommands.h"
#include "apps/tessa/CutCommands.h"
#include "apps/tessa/DesignCommands.h"
#include "apps/tessa/DstvCommands.h"
#include "apps/tessa/EditorCommands.h"
#include "apps/tessa/EvalCommand.h"
#include "apps/tessa/GenVarsCommands.h"
#include "apps/tessa/LibraryCommands.h"
#include "apps/tessa/MacroCommands.h"
#include "apps/tessa/MacroSettingsCommands.h"
#include "apps/tessa/MappingCommands.h"
#include "apps/tessa/PrintSettingsCommand.h"
#include "apps/tessa/ReadCommand.h"
#include "apps/tessa/RegistryCommand.h"
#include "apps/tessa/SelectMacroCommands.h"
#include "apps/tessa/SheetCommands.h"
#include "apps/tessa/SheetsCommands.h"
#include "apps/tessa/ShowCommand.h"
#include "apps/tessa/TableCommands.h"
#include "apps/tessa/WorkshopCommands.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/io/StandardOutput.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <new>
#include <string>

int main(int argc, char** argv) {
    if (!gSettings.loadFromEnvironment())
        std::fprintf(stderr, "tessa: TESSA_LANGUAGE is not a known language; using Dutch\n");

    CLI::App program{"tessa: the user-interface and spreadsheet module of the Tessaform add-on"};
    program.set_version_flag("--version", std::string("tessa ") + TESSA_VERSION);
    program.require_subcommand(1);

    app::CommandRun run;
    app::addRegistryCommand(program, run);
    app::addCalcCommand(program, run);
    app::addConvertCommand(program, run);
    app::addMappingCommand(program, run);
    app::addReadCommand(program, run);
    app::addEvalCommand(program, run);
    app::addBatchCommand(program, run);
    app::addPrintSettingsCommand(program, run);
    app::addTableCommand(program, run);
    app::addLibraryCommand(program, run);
    app::addBillCommand(program, run);
    app::addDesignCommand(program, run);
    app::addShowCommand(program, run);
    app::addDesignerCommand(program, run);
    app::addGuiCommand(program, run);
    app::addMacroCommand(program, run);
    app::addGenVarsCommand(program, run);
    app::addCspCommand(program, run);
    app::addDstvCommand(program, run);
    app::addWorkshopCommand(program, run);
    app::addSheetsCommand(program, run);
    app::addCis2Command(program, run);
    app::addCutCommand(program, run);
    app::addMacroSettingsCommand(program, run);
    app::addEditorCommand(program, run);
    app::addSelectMacroCommands(program, run);

    try {
        program.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help and version are "errors" that succeed; everything else is wrong usage.
        return program.exit(error) == 0 ? app::kExitOk : app::kExitUsage;
    }
    if (!run)
        return app::kExitUsage;
    try {
        io::watchStandardOutput();
        const int exitCode = run();
        // Results lost on their way out (a full disk, /dev/full, a closed pipe) are a failure.
        if (const auto lost = io::finishStandardOutput()) {
            std::fprintf(stderr, "tessa: standard output: %s\n", lost->c_str());
            return app::kExitFailed;
        }
        return exitCode;
    } catch (const std::bad_alloc&) {
        // Input too large for the memory at hand: said plainly, not an abort.
        std::fprintf(stderr, "tessa: out of memory: the input is too large\n");
        return app::kExitFailed;
    }
}
