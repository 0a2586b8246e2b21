#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa csp solve --parts PARTS.csv --stock STOCK.csv [--kerf MM] [--trim MM] [--json]`: a
// cutting plan for the parts from the stock lengths, and what to buy. `tessa csp
// import|export|report RECORD ...`: a cutting-stock record's tables to and from .shp/.buy files,
// and the dialog's overview of a set.
void addCspCommand(CLI::App& program, CommandRun& run);

} // namespace app
