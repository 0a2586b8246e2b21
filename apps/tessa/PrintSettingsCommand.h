#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa print-settings show FILE [--json]`: the print settings a sheet carries in its corner
// cell, every field by its key (the defaults for a sheet without them).
void addPrintSettingsCommand(CLI::App& program, CommandRun& run);

} // namespace app
