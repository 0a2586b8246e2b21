#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa table show NAME [--library DIR] [--json]`: a section table of the library's "prof"
// folder. `tessa table add NAME --from SYSNAME --name NEWNAME [--library DIR]`: a new size,
// copied from an existing one and inserted after it.
void addTableCommand(CLI::App& program, CommandRun& run);

} // namespace app
