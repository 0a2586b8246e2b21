// tessa: the command-line program of the module.
#include "apps/tessa/RegistryCommand.h"
#include "platform/core/Vdn_Settings.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <map>
#include <string>

int main(int argc, char** argv) {
    if (!gSettings.loadFromEnvironment())
        std::fprintf(stderr, "tessa: TESSA_LANGUAGE is not a known language; using Dutch\n");

    CLI::App program{"tessa: the user-interface and spreadsheet module of the Tessaform add-on"};
    program.set_version_flag("--version", std::string("tessa ") + TESSA_VERSION);
    program.require_subcommand(1);

    CLI::App* registry =
        program.add_subcommand("registry", "Register, remove or list the COM property classes");
    registry->require_subcommand(1);

    app::RegistryOptions options;
    std::string registryDir;
    std::string moduleDir;
    const std::map<std::string, std::pair<app::RegistryAction, std::string>> actions = {
        {"register", {app::RegistryAction::Register, "Write the registry entries of the classes"}},
        {"cleanup", {app::RegistryAction::Cleanup, "Remove the registry entries of the classes"}},
        {"print", {app::RegistryAction::Print, "Print the class ids and write RegistryIDs.dat"}},
    };
    for (const auto& [name, action] : actions) {
        CLI::App* command = registry->add_subcommand(name, action.second);
        command->add_option("--registry", registryDir, "Folder of the file-backed registry");
        command->add_option("--module-dir", moduleDir,
                            "Folder of the module (holds TessaformOPM.dll)");
        const app::RegistryAction value = action.first;
        command->callback([&options, value] { options.action = value; });
    }

    CLI11_PARSE(program, argc, argv);

    if (!registryDir.empty())
        options.registryDir = registryDir;
    if (!moduleDir.empty())
        options.moduleDir = moduleDir;
    return app::runRegistryCommand(options);
}
