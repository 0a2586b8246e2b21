#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa sheets show FILE [--json]`: the sheets of a sheets file as the sheets manager lists
// them, one tree row a line (parts indented under their sheet).
void addSheetsCommand(CLI::App& program, CommandRun& run);

} // namespace app
