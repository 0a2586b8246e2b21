#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa cut list FILE.json [--json]`: every cut of every module of a macro file.
// `tessa cut set FILE.json MODULE CUT [options] [--out OUT.json] [--json]`: adds the cut to the
// module, or edits the cut of that name, through the cut dialog under a scripted user: the
// dialog's own checks decide, and its refusal is the command's failure.
// `tessa cut remove FILE.json MODULE CUT [--out OUT.json] [--json]`: removes a cut through the
// profile-cuts dialog. Only --out writes a file; the input is never written over.
void addCutCommand(CLI::App& program, CommandRun& run);

} // namespace app
