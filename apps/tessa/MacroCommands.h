#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa macro show FILE [--json]`: every tab with its cells, bolt data, patterns, profiles,
// arrays and cuts, every module's constraints, geometries and equations, and the derived
// values in the order they are computed. `tessa macro set FILE --set NAME=VALUE...
// [--module M] [--out OUT] [--json]`: the update cycle of the macro dialog (write, recalculate,
// clash check); the input file changes only when --out names it.
void addMacroCommand(CLI::App& program, CommandRun& run);

} // namespace app
