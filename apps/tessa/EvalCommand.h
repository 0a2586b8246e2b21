#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa eval SHEET --macro FILE.json [--target NAME] [--gen NAME=VALUE]... [--library DIR]
// [--out FILE.json] [--messages] [--json] [--timings]`: one standards evaluation as the core
// module asks for it.
void addEvalCommand(CLI::App& program, CommandRun& run);

} // namespace app
