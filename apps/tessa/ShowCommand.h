#pragma once

#include "apps/tessa/Command.h"

namespace CLI {
class App;
}

namespace app {

// tessa show DIALOG [--language nl|en|fr] [--screenshot FILE.png] | tessa show --list [--json]
void addShowCommand(CLI::App& program, CommandRun& run);
// tessa designer [NAME] [--library DIR]
void addDesignerCommand(CLI::App& program, CommandRun& run);
// tessa gui [--library DIR]
void addGuiCommand(CLI::App& program, CommandRun& run);

} // namespace app
