#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// tessa bill ROWS.csv --columns NAMES --types KINDS [--subtotal-marker TEXT] [--settings NAME]
//            [--var NAME=VALUE]... --out BILL.tfs
void addBillCommand(CLI::App& program, CommandRun& run);

} // namespace app
