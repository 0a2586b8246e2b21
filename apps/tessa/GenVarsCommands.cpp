#include "apps/tessa/GenVarsCommands.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "apps/tessa/WindowRunner.h"
#include "platform/core/model/GenVarsFile.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/HostWindows.h"
#include "platform/qt/Desktop.h"
#include "spreadsheet/genvars/GenVarsLaunchers.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

struct GenVarsOptions {
    std::string file;
    std::string library;
    bool json = false;
};

bool readFile(const std::string& file, TfAutoStandardsData& data) {
    core::GenVarsReadResult read = core::readGenVarsFile(Vdn_String::fromUtf8(file));
    if (!read.ok) {
        fail(utf8(read.message));
        return false;
    }
    data = std::move(read.data);
    return true;
}

void printGroup(const char* group, const Vdn_StringArray& names, const Vdn_StringArray& values,
                const Vdn_StringArray* overrides, const Vdn_StringArray& filters) {
    const auto at = [](const Vdn_StringArray& list, int i) {
        return i < list.length() ? utf8(list[i]) : std::string();
    };
    for (int i = 0; i < names.length(); ++i) {
        std::string line = std::string(group) + "\t" + utf8(names[i]) + "\t" + at(values, i);
        if (overrides != nullptr)
            line += "\toverride: " + at(*overrides, i);
        line += "\tfilter: " + at(filters, i);
        std::printf("%s\n", line.c_str());
    }
}

int showGenVars(const GenVarsOptions& options) {
    TfAutoStandardsData data;
    if (!readFile(options.file, data))
        return kExitFailed;
    if (options.json) {
        // In the file's order of keys.
        std::printf("%s\n",
                    nlohmann::ordered_json::parse(core::genVarsToJsonText(data))
                        .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                        .c_str());
        return kExitOk;
    }
    printGroup("drawing", data.dwgGenVars(), data.dwgGenValues(), nullptr, data.dwgGenFilters());
    printGroup("standards", data.stdGenVars(), data.stdGenValues(), &data.stdGenOverrides(),
               data.stdGenFilters());
    return kExitOk;
}

int editGenVars(const GenVarsOptions& options) {
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
    TfAutoStandardsData data;
    if (!readFile(options.file, data))
        return kExitFailed;
    if (!WindowRunner::canShowWindows())
        return fail("genvars edit: no display to show the dialog on");
    bool accepted = false;
    {
        const LoadedModule module(stderr);
        WindowRunner windows;
        windows.desktop().ignore(*adsw_acadMainWnd());
        accepted = StartDlgGenVars(data);
    }
    if (!accepted) {
        std::printf("cancelled: %s is unchanged\n", options.file.c_str());
        return kExitOk;
    }
    const OutputFile out = OutputFile::inPlace(options.file);
    if (const auto reason = out.write([&data](const std::filesystem::path& path) {
            return core::writeGenVarsFile(data, path);
        }))
        return fail(*reason);
    std::printf("saved %s: %d drawing and %d standards general variables\n", options.file.c_str(),
                data.dwgGenVars().length(), data.stdGenVars().length());
    return kExitOk;
}

} // namespace

void addGenVarsCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<GenVarsOptions>();
    CLI::App* genvars = program.add_subcommand(
        "genvars", "Show or edit a file of general variables (drawing and standards)");
    genvars->require_subcommand(1);

    CLI::App* show = genvars->add_subcommand(
        "show", "Every general variable, one a line: group, name, value, override, filter");
    show->add_option("FILE", options->file, "The general-variables file (.json)")->required();
    show->add_flag("--json", options->json,
                   "Print {\"drawing\":[{\"name\":...,\"value\":...,\"filter\":[...]}],"
                   "\"standards\":[...]}");
    show->callback([options, &run] { run = [options] { return showGenVars(*options); }; });

    CLI::App* edit = genvars->add_subcommand(
        "edit", "The general-variables dialog on the file; OK writes it, Cancel leaves it");
    edit->add_option("FILE", options->file, "The general-variables file (.json)")->required();
    edit->add_option("--library", options->library,
                     "The library folder (filters are paths below its Macros folder)");
    edit->callback([options, &run] { run = [options] { return editGenVars(*options); }; });
}

} // namespace app
