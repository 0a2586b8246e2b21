#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa select-macro [FOLDER] [--off MODULE[=PROPERTY]]... [--all] [--choose NAME]
// [--alternative] [--depth N] [--json]`: the macro chooser on a library folder (the
// library's "Macros\" by default), its filter switched as asked, then the macro NAME chosen
// (by drawing name or label); prints the filter rows, the macros shown and the choice.
// Drawings without a picture get their generated preview (".abm") as the chooser makes it.
//
// `tessa grid-dialog CSV [--row-headers A,B,...] [--fixed-rows] [--set ROW,COL=TEXT]...
// [--add-row-after ROW]... [--remove-row ROW]... [--caption TEXT] [--out FILE] [--json]`:
// the string-table editor on the rows of a CSV file (its first line the column headers),
// edited as asked and confirmed; prints the table (CSV, or JSON) and writes it only to --out.
void addSelectMacroCommands(CLI::App& program, CommandRun& run);

} // namespace app
