#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa mapping candidates --macro FILE.json [--json]`: every macro value a sheet variable
// can be mapped to. `tessa mapping show SHEET NAME [--library DIR] [--json]`: one stored
// mapping of a standards sheet.
void addMappingCommand(CLI::App& program, CommandRun& run);

} // namespace app
