#include "apps/tessa/ShowCommand.h"

#include "apps/tessa/DialogCatalog.h"
#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "apps/tessa/WindowRunner.h"
#include "designer/CDlgDesigner.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/HostWindows.h"
#include "platform/io/AtomicWrite.h"
#include "platform/qt/Desktop.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

struct ShowOptions {
    std::string dialog;
    std::string language;
    std::string screenshot;
    bool list = false;
    bool json = false;
};

int listDialogs(bool json) {
    if (json) {
        nlohmann::json dialogs = nlohmann::json::array();
        for (const DialogEntry& entry : dialogCatalog()) {
            dialogs.push_back({{"class", entry.className},
                               {"template", entry.templateId},
                               {"name", entry.templateName}});
        }
        std::cout << nlohmann::json{{"dialogs", dialogs}}.dump(
                         -1, ' ', false, nlohmann::json::error_handler_t::replace)
                  << "\n";
        return kExitOk;
    }
    for (const DialogEntry& entry : dialogCatalog()) {
        std::cout << entry.className << "\t" << entry.templateId << "\t" << entry.templateName
                  << "\n";
    }
    return kExitOk;
}

bool applyLanguage(const std::string& code) {
    if (code.empty()) {
        return true;
    }
    for (int language = 0; language < Vdn_Settings::kLanguageCount; ++language) {
        if (Vdn_Settings::languageCode(language) == std::wstring(code.begin(), code.end())) {
            return gSettings.setWorkLanguage(language);
        }
    }
    return false;
}

int show(const ShowOptions& options) {
    if (options.list) {
        return listDialogs(options.json);
    }
    if (options.dialog.empty()) {
        std::fprintf(stderr, "tessa show: name a dialog; `tessa show --list` lists them\n");
        return kExitUsage;
    }
    const DialogEntry* entry = findDialog(options.dialog);
    if (entry == nullptr) {
        std::fprintf(stderr,
                     "tessa show: there is no dialog \"%s\"; `tessa show --list` lists them\n",
                     options.dialog.c_str());
        return kExitUsage;
    }
    if (!applyLanguage(options.language)) {
        std::fprintf(stderr, "tessa show: unknown language \"%s\" (nl, en or fr)\n",
                     options.language.c_str());
        return kExitUsage;
    }
    if (options.screenshot.empty() && !WindowRunner::canShowWindows()) {
        std::fprintf(stderr,
                     "tessa show: no display to show the dialog on; use --screenshot FILE.png\n");
        return kExitFailed;
    }
    const std::optional<OutputFile> picture =
        options.screenshot.empty()
            ? std::nullopt
            : std::optional<OutputFile>(std::in_place, options.screenshot, "--screenshot");
    if (picture) {
        if (const auto refused = picture->refusal())
            return fail(*refused);
    }
    const LoadedModule module(stderr);
    WindowRunner windows(QString::fromStdString(options.screenshot));
    // The dialog shows on its own, without the empty host window behind it.
    windows.desktop().ignore(*adsw_acadMainWnd());
    if (!entry->open(windows)) {
        std::fprintf(stderr, "tessa show: %s could not be opened\n", entry->className.c_str());
        return kExitFailed;
    }
    if (picture && !windows.pictureSaved()) {
        const auto refused = picture->refusal();
        const std::string& failure = io::lastWriteFailure();
        std::fprintf(stderr, "tessa show: the picture of %s could not be written: %s\n",
                     entry->className.c_str(),
                     refused ? refused->c_str()
                             : (failure.empty() ? options.screenshot.c_str() : failure.c_str()));
        return kExitFailed;
    }
    return kExitOk;
}

struct DesignerOptions {
    std::string design;
    std::string library;
};

int openDesigner(const DesignerOptions& options) {
    if (!options.library.empty()) {
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
    }
    if (!WindowRunner::canShowWindows()) {
        std::fprintf(stderr, "tessa designer: no display to show the designer on\n");
        return kExitFailed;
    }
    const LoadedModule module(stderr);
    WindowRunner windows;
    windows.desktop().ignore(*adsw_acadMainWnd());
    StartDlgDesigner(Vdn_String::fromUtf8(options.design));
    return kExitOk;
}

} // namespace

void addDesignerCommand(CLI::App& program, CommandRun& run) {
    auto options = std::make_shared<DesignerOptions>();
    CLI::App* command = program.add_subcommand("designer", "lay out a dialog design in a window");
    command->add_option("design", options->design,
                        "a design name below the designer folder, or a file");
    command->add_option("--library", options->library, "the library folder");
    command->callback([options, &run] { run = [options] { return openDesigner(*options); }; });
}

void addShowCommand(CLI::App& program, CommandRun& run) {
    auto options = std::make_shared<ShowOptions>();
    CLI::App* command =
        program.add_subcommand("show", "open a dialog on example data, or picture it");
    command->add_option("dialog", options->dialog, "class name, template id or template name");
    command->add_option("--language", options->language, "nl, en or fr");
    command
        ->add_option("--screenshot", options->screenshot, "write a PNG picture instead of a window")
        ->check(outputPathCheck());
    command->add_flag("--list", options->list, "list every dialog");
    command->add_flag("--json", options->json, "the list as JSON");
    command->callback([options, &run] { run = [options] { return show(*options); }; });
}

} // namespace app
