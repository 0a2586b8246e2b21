#pragma once

#include "apps/tessa/Command.h"

namespace CLI {
class App;
}

namespace app {

// tessa design list|show|names: the dialog designs of the library.
void addDesignCommand(CLI::App& program, CommandRun& run);

} // namespace app
