#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa settings show FILE.json [--json]`: the settings of a macro file (filters, filter
// properties, variable options, groups, standards mappings).
// `tessa settings map FILE.json --sheet NAME [--to MODULE] [--var VAR=VALUE ...]
// [--library DIR] [--out OUT.json] [--json]`: adds or changes the mapping of a standards sheet
// through the macro settings dialog, driven as a user would; writes only with --out.
void addMacroSettingsCommand(CLI::App& program, CommandRun& run);

} // namespace app
