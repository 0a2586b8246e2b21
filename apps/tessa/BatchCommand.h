#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa batch SHEET --macros FILE.jsonl [--target NAME] [--gen NAME=VALUE]... [--library DIR]
// [--jobs N] [--out FILE.jsonl]`: one standards evaluation per macro of a JSON-lines file, the
// results as JSON lines in input order.
void addBatchCommand(CLI::App& program, CommandRun& run);

} // namespace app
