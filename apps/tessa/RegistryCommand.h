#pragma once

#include "apps/tessa/Command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <string>

namespace app {

enum class RegistryAction { Register, Cleanup, Print };

struct RegistryOptions {
    RegistryAction action = RegistryAction::Print;
    // The registry folder; default: the settings' registry folder.
    std::optional<std::filesystem::path> registryDir;
    // The module's folder (where "TessaformOPM.dll" lies and "RegistryIDs.dat" goes);
    // default: the product folder.
    std::optional<std::filesystem::path> moduleDir;
};

// Runs one COM registry operation inside a loaded module (attach and init before, unload and
// detach after). Returns the process exit code: 0 when the operation gives eOk, 1 otherwise
// with the reason on stderr.
int runRegistryCommand(const RegistryOptions& options);

// `tessa registry register|cleanup|print [--registry DIR] [--module-dir DIR]`.
void addRegistryCommand(CLI::App& program, CommandRun& run);

} // namespace app
