#include "apps/tessa/RegistryCommand.h"

#include "apps/tessa/LoadedModule.h"
#include "module/ComRegistration.h"
#include "module/ModuleGlobals.h"
#include "module/OpmComIds.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/ui/registry/Registry.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <system_error>

namespace app {

namespace {

void fail(const Vdn_String& message) {
    std::fprintf(stderr, "tessa: %s\n", message.toUtf8().c_str());
}

Vdn_String registryFolderText() {
    return core::fromNativePath(ui::Registry::current().folder());
}

} // namespace

int runRegistryCommand(const RegistryOptions& options) {
    if (options.registryDir)
        ui::Registry::open(*options.registryDir);
    if (options.moduleDir) {
        // The registry outlives the command: a relative folder would point elsewhere for every
        // program that reads it from another working folder.
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(*options.moduleDir, error);
        frame::moduleGlobals().moduleDir =
            core::fromNativePath(error ? *options.moduleDir : absolute.lexically_normal());
    }

    const LoadedModule loadedModule;
    if (!loadedModule.loaded()) {
        fail(L"the module could not be loaded");
        return 1;
    }

    switch (options.action) {
    case RegistryAction::Register:
        if (!core::fileExists(frame::comModulePath())) {
            fail(L"the COM module " + frame::comModulePath() + L" does not exist");
            return 1;
        }
        if (SSregisterOpmCLSIDs() != Acad::eOk) {
            fail(L"some registry keys could not be written in " + registryFolderText());
            return 1;
        }
        return 0;
    case RegistryAction::Cleanup:
        if (SScleanupComRegistry() != Acad::eOk) {
            fail(L"some registry keys could not be deleted from " + registryFolderText() +
                 L" (not registered, or the registry is read-only)");
            return 1;
        }
        return 0;
    case RegistryAction::Print: {
        // The listing goes into the module's folder, which a fresh installation may not
        // have made yet.
        const std::filesystem::path folder = core::resolveForWriting(frame::moduleDirectory());
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        if (SSprintCLSIDs() != Acad::eOk)
            return 1;
        const Vdn_String listing = frame::moduleDirectory() + L"/" + frame::opm::kListingFileName;
        if (!core::fileExists(listing)) {
            fail(L"the listing " + listing + L" could not be written");
            return 1;
        }
        return 0;
    }
    }
    return 1;
}

void addRegistryCommand(CLI::App& program, CommandRun& run) {
    CLI::App* registry =
        program.add_subcommand("registry", "Register, remove or list the COM property classes");
    registry->require_subcommand(1);

    struct Folders {
        std::string registryDir;
        std::string moduleDir;
    };
    const auto folders = std::make_shared<Folders>();
    const std::map<std::string, std::pair<RegistryAction, std::string>> actions = {
        {"register", {RegistryAction::Register, "Write the registry entries of the classes"}},
        {"cleanup", {RegistryAction::Cleanup, "Remove the registry entries of the classes"}},
        {"print", {RegistryAction::Print, "Print the class ids and write RegistryIDs.dat"}},
    };
    for (const auto& [name, action] : actions) {
        CLI::App* command = registry->add_subcommand(name, action.second);
        command->add_option("--registry", folders->registryDir,
                            "Folder of the file-backed registry");
        command->add_option("--module-dir", folders->moduleDir,
                            "Folder of the module (holds TessaformOPM.dll)");
        const RegistryAction value = action.first;
        command->callback([folders, value, &run] {
            RegistryOptions options;
            options.action = value;
            if (!folders->registryDir.empty())
                options.registryDir = folders->registryDir;
            if (!folders->moduleDir.empty())
                options.moduleDir = folders->moduleDir;
            run = [options] { return runRegistryCommand(options); };
        });
    }
}

} // namespace app
