#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa editor show FILE [--module M] [--json]`: every module's constraints, geometries,
// variables, dimension values and equations as the macro editor lists them.
// `tessa editor vars FILE --set NAME=FORMULA... [--module M] [--out OUT] [--json]` and
// `tessa editor constraint FILE --id N [--value V] [--variable NAME] [--module M] [--out OUT]
// [--json]`: the editor opened on the macro and worked by a scripted user; what the editor
// refuses changes nothing (exit 1). The input file changes only when --out names it.
void addEditorCommand(CLI::App& program, CommandRun& run);

} // namespace app
