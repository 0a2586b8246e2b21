#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa genvars show FILE [--json]`: the drawing and the standards general variables of a
// general-variables file, one row a line. `tessa genvars edit FILE [--library DIR]`: the
// general-variables dialog on the file, in a window; OK writes the file (through a temporary
// file that replaces it only when complete), Cancel leaves it as it was.
void addGenVarsCommand(CLI::App& program, CommandRun& run);

} // namespace app
