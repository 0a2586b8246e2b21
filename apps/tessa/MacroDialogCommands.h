#pragma once

#include "apps/tessa/Command.h"

#include <string>

namespace CLI {
class App;
}

namespace app {

// `tessa macro page` and `tessa macro calc`: a page of the macro dialog built headless, and a
// calculating button run on it.
void addMacroDialogCommands(CLI::App& macro, CommandRun& run);
// `tessa gui macro FILE [--out OUT]`: the macro dialog in the real window on a macro file.
void addGuiMacroCommand(CLI::App& gui, CommandRun& run);

} // namespace app
