#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa workshop tree FILE [--json]`: the items of the workshop settings browser with their
// paths. `tessa workshop get FILE PATH`: one setting, or a part of the settings as JSON.
// `tessa workshop set FILE PATH VALUE [--out OUT]`: changes one setting as the settings allow
// it; without --out nothing is written.
void addWorkshopCommand(CLI::App& program, CommandRun& run);

} // namespace app
