#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa read FILE [--json]`: every text of a spreadsheet file as the core module reads it
// (the column headers, then one line per row).
void addReadCommand(CLI::App& program, CommandRun& run);

} // namespace app
