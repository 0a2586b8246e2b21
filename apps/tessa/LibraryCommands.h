#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa library show [--library DIR] [--json]`: the section library's groups and types
// (prof\Library.json), its value tables, template files and pictures, and the standard
// templates.
void addLibraryCommand(CLI::App& program, CommandRun& run);

} // namespace app
