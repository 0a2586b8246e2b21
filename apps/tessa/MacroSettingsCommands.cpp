#include "apps/tessa/MacroSettingsCommands.h"

#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "macro/settings/CDlgMacroSettings.h"
#include "module/ResourceSwitch.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/standards/MappingFile.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace app {

namespace {

struct SettingsOptions {
    std::string file;
    std::string sheet;
    std::string to;
    std::vector<std::string> vars;
    std::string library;
    std::string out;
    bool json = false;
};

std::string number(double value) {
    return utf8(Vdn_String(value, 8, true));
}

std::string onOff(bool on) {
    return on ? "on" : "off";
}

void printLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : "\t") + fields[i];
    std::printf("%s\n", line.c_str());
}

std::optional<Vdn_DbMacro> readMacro(const std::string& file) {
    core::MacroReadResult read = Vdn_DbMacro::readFromFile(Vdn_String::fromUtf8(file));
    if (!read) {
        fail(utf8(read.message()));
        return std::nullopt;
    }
    return read.macro();
}

int showSettings(const SettingsOptions& options) {
    const std::optional<Vdn_DbMacro> macro = readMacro(options.file);
    if (!macro)
        return kExitFailed;
    const MacroSettingsData& s = macro->settings;
    if (options.json) {
        // The settings as the macro file keeps them.
        const nlohmann::ordered_json file = nlohmann::ordered_json::parse(macro->toJsonText());
        nlohmann::ordered_json settings = nlohmann::ordered_json::object();
        if (file.contains("settings"))
            settings = file.at("settings");
        std::printf("%s\n", nlohmann::ordered_json{{"settings", settings}}
                                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
                                .c_str());
        return kExitOk;
    }
    printLine({"filter", onOff(s.filterOn)});
    for (const auto& f : s.axisFilters)
        printLine({"axis", utf8(f.name), onOff(f.enabled), "mode " + std::to_string(f.mode),
                   number(f.angles[0]), number(f.angles[1])});
    for (const auto& f : s.sectionFilters) {
        std::string pairs;
        for (int i = 0; i + 1 < f.anglePairs.length(); i += 2)
            pairs +=
                (i == 0 ? "" : " ") + number(f.anglePairs[i]) + ".." + number(f.anglePairs[i + 1]);
        printLine({"section", utf8(f.name), onOff(f.enabled), pairs});
    }
    printLine({"secondFilter", onOff(s.secondFilterOn)});
    for (const auto& f : s.pathDistanceFilters)
        printLine(
            {"path", utf8(f.name), onOff(f.enabled), number(f.values[0]), number(f.values[1])});
    for (const auto& f : s.sectionSizeFilters)
        printLine({"size", utf8(f.name), onOff(f.enabled), number(f.values[0]), number(f.values[1]),
                   number(f.values[2]), number(f.values[3])});
    for (const auto& p : s.filterProperties)
        printLine({"property", utf8(p.name), utf8(p.picture), utf8(arrToStr(p.texts, L';'))});
    printLine({"variables", "first " + std::to_string(s.variableChoice1),
               "second " + std::to_string(s.variableChoice2),
               "number " + std::to_string(s.variableNumber)});
    for (int i = 0; i < s.variableNames.length(); ++i)
        printLine({"variable", utf8(s.variableNames[i]),
                   s.variableValues.isValidIndex(i) ? number(s.variableValues[i]) : ""});
    printLine({"groupTexts", utf8(s.groupText1), utf8(s.groupText2)});
    for (const auto& g : s.groups)
        printLine({"group", utf8(g.name), utf8(g.text), std::to_string(g.number)});
    const TabMappingData& m = s.mapping;
    for (int i = 0; i < m.count(); ++i)
        printLine({"mapping", utf8(m.spreadsheets[i]),
                   m.targets.isValidIndex(i) ? utf8(m.targets[i]) : "",
                   m.moduleNames.isValidIndex(i) ? utf8(m.moduleNames[i]) : ""});
    return kExitOk;
}

struct VarChoice {
    Vdn_String variable;
    Vdn_String value; // empty: not mapped
};

// The choices of --var, "VAR=VALUE"; nullopt (and the reason told) for one without "=".
std::optional<std::vector<VarChoice>> parseVars(const std::vector<std::string>& vars) {
    std::vector<VarChoice> choices;
    for (const std::string& var : vars) {
        const std::size_t equals = var.find('=');
        if (equals == std::string::npos || equals == 0) {
            fail("--var " + var + ": expected VARIABLE=VALUE (an empty value unmaps it)");
            return std::nullopt;
        }
        choices.push_back({Vdn_String::fromUtf8(var.substr(0, equals)).trim(),
                           Vdn_String::fromUtf8(var.substr(equals + 1)).trim()});
    }
    return choices;
}

// What a user does on the mapping page: the row of the sheet (a new one when the sheet has
// none), its target, then the value of each variable.
void scriptMapping(CDlgMacroSettings& dialog, ui::UserActions& act, const SettingsOptions& options,
                   const std::vector<VarChoice>& choices, std::vector<std::wstring>& problems) {
    using Page = CTabMacroMapping;
    act.selectTab(CDlgMacroSettings::kTabs, CDlgMacroSettings::kMappingPage);
    Page& page = dialog.mappingPage();
    const Vdn_String sheet = Vdn_String::fromUtf8(options.sheet);
    int row = dialog.data_.mapping.spreadsheets.find(sheet, false);
    if (row < 0) {
        const int item = page.sheetItems().find(sheet, false);
        if (item < 0) {
            problems.push_back(L"no standards sheet " + sheet.str() + L" below " +
                               Page::standardsFolder().str());
            return;
        }
        act.click(Page::kAdd);
        row = page.shownRow();
        act.chooseInCell(Page::kSheets, Page::kSheetColumn, row + 1, item);
    } else {
        act.clickCell(Page::kSheets, Page::kSheetColumn, row + 1);
    }
    const Vdn_String target =
        options.to.empty() ? Vdn_String(Page::kEntireMacro) : Vdn_String::fromUtf8(options.to);
    const int targetItem = page.targetItems().find(target, false);
    if (targetItem < 0) {
        problems.push_back(L"the macro has no module " + target.str());
        return;
    }
    act.chooseInCell(Page::kSheets, Page::kTargetColumn, row + 1, targetItem);
    for (const VarChoice& choice : choices) {
        int line = 1;
        while (page.shownVariable(line) != nullptr &&
               !page.shownVariable(line)->name.equal(choice.variable, false))
            ++line;
        const MappingChoices::List* list = page.shownList(line);
        if (list == nullptr) {
            problems.push_back(L"the sheet has no input or output " + choice.variable.str() +
                               L" to map (or maps onto a module)");
            continue;
        }
        const int item = choice.value.isEmpty() ? 0 : list->items.find(choice.value, false);
        if (item < 0 || (item > 0 && list->entries[item] < 0)) {
            problems.push_back(L"no macro value \"" + choice.value.str() + L"\" for " +
                               choice.variable.str());
            continue;
        }
        act.chooseInCell(Page::kObjects, Page::kObjectColumn, line, item);
    }
    act.click(IDOK);
}

int mapSettings(const SettingsOptions& options) {
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));
    std::optional<Vdn_DbMacro> macro = readMacro(options.file);
    if (!macro)
        return kExitFailed;
    const std::optional<std::vector<VarChoice>> choices = parseVars(options.vars);
    if (!choices)
        return kExitUsage;
    std::optional<OutputFile> output;
    if (!options.out.empty()) {
        output.emplace(options.out);
        if (const auto reason = output->refusal())
            return fail(*reason);
    }

    ss::MappingFile::clearCache();
    frame::ResourceSwitch resources;
    CDlgMacroSettings dialog;
    dialog.data_ = macro->settings;
    dialog.data_.mappingChanged = false;
    dialog.macro_ = &*macro;
    dialog.writeMappings_ = false; // written below, only with --out
    ui::ScriptedUser user;
    std::vector<std::wstring> problems;
    {
        ui::UserScope scope(user);
        user.expectModal(CDlgMacroSettings::IDD, [&](CDialog&, ui::UserActions& act) {
            scriptMapping(dialog, act, options, *choices, problems);
        });
        dialog.DoModal();
    }
    if (!user.verify() || !problems.empty() || !dialog.hasEnded() || dialog.endResult() != IDOK) {
        std::wstring reason;
        for (const std::wstring& problem : problems)
            reason += (reason.empty() ? L"" : L"; ") + problem;
        for (const std::wstring& failure : user.failures())
            reason += (reason.empty() ? L"" : L"; ") + failure;
        return fail("settings map: " +
                    utf8(reason.empty() ? L"the dialog did not accept the mapping" : reason) +
                    "; nothing written");
    }

    const MacroSettingsData& settings = dialog.data_;
    PendingMappings& pending = dialog.mappingPage().pending();
    nlohmann::ordered_json written = nlohmann::ordered_json::array();
    for (const PendingMappings::Pending& mapping : pending.all())
        written.push_back({{"file", utf8(ss::MappingFile::pathFor(mapping.sheet))},
                           {"name", utf8(mapping.name)},
                           {"entries", mapping.mapping.mappedObjects().length()}});
    if (output) {
        // Checked again now that the dialog has read the sheets and mappings: none of them may
        // be the macro's output, and nothing is written when it is.
        if (const auto reason = output->refusal())
            return fail(*reason);
        Vdn_StringArray failed;
        if (!pending.writeAll(failed))
            return fail("settings map: the mapping could not be written to " +
                        utf8(arrToStr(failed, L' ')) + "; nothing else written");
        macro->settings = settings;
        macro->settings.mappingChanged = false;
        if (const auto reason = output->write([&macro](const std::filesystem::path& path) {
                return macro->writeToFile(core::fromNativePath(path));
            }))
            return fail(*reason);
    }
    const int row = settings.mapping.spreadsheets.find(Vdn_String::fromUtf8(options.sheet), false);
    const auto at = [row](const Vdn_StringArray& list) {
        return list.isValidIndex(row) ? utf8(list[row]) : std::string();
    };
    if (options.json) {
        const nlohmann::ordered_json result{{"row", row},
                                            {"spreadsheet", at(settings.mapping.spreadsheets)},
                                            {"target", at(settings.mapping.targets)},
                                            {"module", at(settings.mapping.moduleNames)},
                                            {"mappingChanged", settings.mappingChanged},
                                            {"mappings", written},
                                            {"written", output.has_value()}};
        std::printf("%s\n",
                    result.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
        return kExitOk;
    }
    std::printf("mapping\t%s\t%s\t%s\n", at(settings.mapping.spreadsheets).c_str(),
                at(settings.mapping.targets).c_str(), at(settings.mapping.moduleNames).c_str());
    for (const auto& mapping : written)
        std::printf("%s mapping %s to %s\n", output ? "wrote" : "would write",
                    mapping.at("name").get<std::string>().c_str(),
                    mapping.at("file").get<std::string>().c_str());
    if (!output)
        std::fprintf(stderr, "tessa: nothing written; --out names the macro file to write\n");
    else
        std::printf("saved %s\n", options.out.c_str());
    return kExitOk;
}

} // namespace

void addMacroSettingsCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<SettingsOptions>();
    CLI::App* settings = program.add_subcommand(
        "settings", "Show a macro's settings, or map a standards sheet onto the macro");
    settings->require_subcommand(1);

    CLI::App* show = settings->add_subcommand(
        "show", "Filters, filter properties, variable options, groups and standards mappings, "
                "one a line");
    show->add_option("FILE", options->file, "The macro file (.json)")->required();
    show->add_flag("--json", options->json, "Print {\"settings\": ...} as the macro file keeps it");
    show->callback([options, &run] { run = [options] { return showSettings(*options); }; });

    CLI::App* map = settings->add_subcommand(
        "map", "Add or change a standards sheet's mapping through the macro settings dialog; "
               "writes the macro file and the mapping file only with --out");
    map->add_option("FILE", options->file, "The macro file (.json)")->required();
    map->add_option("--sheet", options->sheet,
                    "The standards sheet, below the library's Connection Standards folder, "
                    "without extension")
        ->required();
    map->add_option("--to", options->to,
                    "The module the sheet maps onto (default: the entire macro)");
    map->add_option("--var", options->vars,
                    "VARIABLE=VALUE: the macro value a sheet variable takes, as the dialog "
                    "lists it (\"Distance Plate.W\"); an empty VALUE unmaps it");
    map->add_option("--library", options->library, "The library folder");
    map->add_option("--out", options->out, "Where to write the macro file")
        ->check(outputPathCheck());
    map->add_flag("--json", options->json, "Print the row and the mappings as one JSON object");
    map->callback([options, &run] { run = [options] { return mapSettings(*options); }; });
}

} // namespace app
