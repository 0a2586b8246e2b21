#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa calc FILE [--json]`: loads a sheet, computes it and prints every filled cell.
void addCalcCommand(CLI::App& program, CommandRun& run);
// `tessa convert IN OUT`: between .tfs and .csv, told by the extensions.
void addConvertCommand(CLI::App& program, CommandRun& run);

} // namespace app
