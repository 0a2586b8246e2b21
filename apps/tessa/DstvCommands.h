#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa dstv list|show NAME|add NAME|delete NAME [--library DIR] [--json]`: the library's DSTV
// point groups. Only add and delete change files.
void addDstvCommand(CLI::App& program, CommandRun& run);

} // namespace app
