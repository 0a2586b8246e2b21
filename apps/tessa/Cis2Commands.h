#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>

namespace app {

// `tessa cis2 names [--library DIR] [--json]`: the CIS/2 export's profile-name translations
// (CIS2ProfNames.dat), one pair a line. `tessa cis2 set NAME TRANSLATION` and `tessa cis2
// delete NAME` change one pair (names compare without regard to case) under the rules of the
// translations editor; a damaged file is reported with its line and never written over.
void addCis2Command(CLI::App& program, CommandRun& run);

} // namespace app
