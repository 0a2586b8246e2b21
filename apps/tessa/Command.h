#pragma once

#include <functional>

namespace app {

// Exit codes of every command.
enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1, // the work itself failed (a file that does not load, an evaluation error)
    kExitUsage = 2,  // the command line was wrong
};

// What the chosen sub-command runs once the command line has been parsed. Each command's
// add... function registers its options and sets this from its callback.
using CommandRun = std::function<int()>;

} // namespace app
