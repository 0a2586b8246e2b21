#include "apps/tessa/WorkshopCommands.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "apps/tessa/WindowRunner.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/workshop/WsUiSettingsFile.h"
#include "platform/core/workshop/WsUiSettingsOutline.h"
#include "platform/host/HostWindows.h"
#include "platform/qt/Desktop.h"
#include "workshop/CDlgWsSettings.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

using Json = nlohmann::ordered_json;

struct WorkshopOptions {
    std::string file;
    std::string path;
    std::string value;
    std::string out;
    bool json = false;
};

// A refusal of the settings is a message for a dialog; on one line it reads as a sentence.
std::string oneLine(const Vdn_String& text) {
    return utf8(text.trim().replace(L"\n", L" "));
}

bool load(const WorkshopOptions& options, WsUiGlobalSettings& settings) {
    Vdn_String message;
    if (core::readWsUiSettingsFile(Vdn_String::fromUtf8(options.file), settings, message))
        return true;
    fail(utf8(message));
    return false;
}

bool parsePath(const WorkshopOptions& options, WsUiSettingPath& path) {
    if (WsUiSettingPath::fromText(Vdn_String::fromUtf8(options.path), path))
        return true;
    fail("PATH " + options.path + ": a \"\\\" must be followed by \"/\" or \"\\\"");
    return false;
}

Json valueJson(const WsUiSettingValue& value) {
    return std::visit(
        [](const auto& v) -> Json {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Vdn_String>) {
                return utf8(v);
            } else if constexpr (std::is_same_v<T, int> || std::is_same_v<T, long>) {
                return static_cast<long long>(v);
            } else {
                Json list = Json::array();
                for (const auto& item : v) {
                    using Item = std::decay_t<decltype(item)>;
                    if constexpr (std::is_same_v<Item, Vdn_String>)
                        list.push_back(utf8(item));
                    else if constexpr (std::is_same_v<Item, double>)
                        // Whole scales as whole numbers (10, not 10.0), as the file has them.
                        list.push_back(std::trunc(item) == item && std::fabs(item) < 1e15
                                           ? Json(static_cast<long long>(item))
                                           : Json(item));
                    else
                        list.push_back(item);
                }
                return list;
            }
        },
        value);
}

// Texts as they are, everything else as JSON.
void printValue(const WsUiSettingValue& value) {
    if (const Vdn_String* text = std::get_if<Vdn_String>(&value))
        std::printf("%s\n", utf8(*text).c_str());
    else
        std::printf("%s\n", valueJson(value)
                                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
                                .c_str());
}

int treeCommand(const WorkshopOptions& options) {
    WsUiGlobalSettings settings;
    if (!load(options, settings))
        return kExitFailed;
    const Vdn_Array<WsUiOutlineItem> items = wsUiSettingsOutline(settings);
    if (options.json) {
        Json list = Json::array();
        for (int i = 0; i < items.length(); ++i)
            list.push_back(Json{{"index", i},
                                {"level", items[i].level},
                                {"label", utf8(items[i].label)},
                                {"type", utf8(items[i].typeName)},
                                {"path", utf8(items[i].path.toText())},
                                {"protected", items[i].isProtected}});
        std::printf(
            "%s\n",
            Json{{"items", list}}.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
        return kExitOk;
    }
    for (const WsUiOutlineItem& item : items)
        std::printf("%*s%s%s  [%s]\n", 2 * item.level, "", utf8(item.label).c_str(),
                    item.isProtected ? " (protected)" : "", utf8(item.path.toText()).c_str());
    return kExitOk;
}

int getCommand(const WorkshopOptions& options) {
    WsUiGlobalSettings settings;
    WsUiSettingPath path;
    if (!load(options, settings) || !parsePath(options, path))
        return kExitFailed;
    WsUiSettingValue value;
    Vdn_String why;
    if (settings.getSettingValue(path, value, &why) == Acad::eOk) {
        printValue(value);
        return kExitOk;
    }
    // A part of the settings (a group, a view, a list) is shown as the file holds it.
    if (const std::optional<std::string> part = core::wsUiSettingsPartText(settings, path)) {
        std::printf("%s\n", part->c_str());
        return kExitOk;
    }
    return fail(utf8(why));
}

bool parseInteger(const std::string& text, long& out) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, out);
    return result.ec == std::errc() && result.ptr == end;
}

// VALUE read as the kind the setting holds: texts as typed, integers in decimal, lists as JSON
// lists ([1, 2], ["a", "b"], [5, 7.5]).
bool parseValue(const std::string& text, const WsUiSettingValue& current, WsUiSettingValue& out,
                std::string& reason) {
    if (std::holds_alternative<Vdn_String>(current)) {
        out = Vdn_String::fromUtf8(text);
        return true;
    }
    if (std::holds_alternative<int>(current) || std::holds_alternative<long>(current)) {
        long number = 0;
        if (!parseInteger(text, number)) {
            reason = "VALUE " + text + ": expected a whole number";
            return false;
        }
        out = number;
        return true;
    }
    const Json list = Json::parse(text, nullptr, false);
    if (list.is_discarded() || !list.is_array()) {
        reason = "VALUE " + text + ": expected a JSON list such as " +
                 (std::holds_alternative<Vdn_StringArray>(current) ? "[\"a\", \"b\"]" : "[1, 2]");
        return false;
    }
    Vdn_Array<int> integers;
    Vdn_StringArray texts;
    Vdn_Array<double> numbers;
    for (const Json& item : list) {
        if (std::holds_alternative<Vdn_StringArray>(current) && item.is_string())
            texts.append(Vdn_String::fromUtf8(item.get<std::string>()));
        else if (std::holds_alternative<Vdn_Array<double>>(current) && item.is_number())
            numbers.append(item.get<double>());
        else if (std::holds_alternative<Vdn_Array<int>>(current) && item.is_number_integer() &&
                 (item.is_number_unsigned()
                      ? item.get<std::uint64_t>() <= static_cast<std::uint64_t>(kWsUiAnyInt.high)
                      : item.get<std::int64_t>() >= kWsUiAnyInt.low))
            integers.append(item.get<int>());
        else {
            reason = "VALUE " + text + ": " +
                     item.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) +
                     " does not belong in " + wsUiKindName(current);
            return false;
        }
    }
    if (std::holds_alternative<Vdn_StringArray>(current))
        out = texts;
    else if (std::holds_alternative<Vdn_Array<double>>(current))
        out = numbers;
    else
        out = integers;
    return true;
}

int setCommand(const WorkshopOptions& options) {
    WsUiGlobalSettings settings;
    WsUiSettingPath path;
    if (!load(options, settings) || !parsePath(options, path))
        return kExitFailed;
    std::optional<OutputFile> output;
    if (!options.out.empty()) {
        output.emplace(options.out);
        if (const std::optional<std::string> refused = output->refusal())
            return fail(*refused);
    }
    WsUiSettingValue current;
    Vdn_String why;
    if (settings.getSettingValue(path, current, &why) != Acad::eOk)
        return fail(utf8(why));
    WsUiSettingValue value;
    std::string reason;
    if (!parseValue(options.value, current, value, reason))
        return fail(reason);
    if (settings.setSettingValue(path, value, &why) != Acad::eOk)
        return fail(oneLine(why));
    settings.getSettingValue(path, value);
    if (output) {
        const std::optional<std::string> failed =
            output->write([&settings](const std::filesystem::path& temporary) {
                return core::writeWsUiSettingsFile(Vdn_String::fromUtf8(temporary.string()),
                                                   settings);
            });
        if (failed)
            return fail(*failed);
    } else {
        std::fprintf(stderr, "tessa: nothing written; --out names the file to write\n");
    }
    printValue(value);
    return kExitOk;
}

// The settings browser on the file; OK writes the edited settings back, Cancel leaves the file.
int editCommand(const WorkshopOptions& options) {
    WsUiGlobalSettings settings;
    if (!load(options, settings))
        return kExitFailed;
    if (!WindowRunner::canShowWindows())
        return fail("workshop edit: no display to show the dialog on");
    bool accepted = false;
    {
        const LoadedModule module(stderr);
        WindowRunner windows;
        windows.desktop().ignore(*adsw_acadMainWnd());
        accepted = StartDlgWsSettings(settings);
    }
    if (!accepted) {
        std::printf("cancelled: %s is unchanged\n", options.file.c_str());
        return kExitOk;
    }
    const OutputFile out = OutputFile::inPlace(options.file);
    if (const auto reason = out.write([&settings](const std::filesystem::path& path) {
            return core::writeWsUiSettingsFile(Vdn_String::fromUtf8(path.string()), settings);
        }))
        return fail(*reason);
    std::printf("saved %s: %d groups, %d formats\n", options.file.c_str(), settings.nrGroups(),
                settings.nrFormats());
    return kExitOk;
}

} // namespace

void addWorkshopCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<WorkshopOptions>();
    CLI::App* workshop = program.add_subcommand(
        "workshop", "Browse and change a workshop settings file (docs/workshop-settings.md)");
    workshop->require_subcommand(1);

    CLI::App* tree = workshop->add_subcommand(
        "tree", "The items of the settings browser, each with its path (base groups marked)");
    tree->add_option("FILE", options->file, "The workshop settings file (.json)")->required();
    tree->add_flag("--json", options->json,
                   "Print {\"items\":[{\"index\":0,\"level\":0,\"label\":\"Algemeen\",\"type\":"
                   "\"GlobalDlg\",\"path\":\"\",\"protected\":false}]}");
    tree->callback([options, &run] { run = [options] { return treeCommand(*options); }; });

    CLI::App* get = workshop->add_subcommand(
        "get", "One setting (texts as they are, numbers and lists as JSON), or a part of the "
               "settings as JSON");
    get->add_option("FILE", options->file, "The workshop settings file (.json)")->required();
    get->add_option("PATH", options->path,
                    "Member and element names separated by \"/\", e.g. "
                    "mGroupedSettings/Plates/mAssemblySettings/mViews/Bovenaanzicht/mViewType")
        ->required();
    get->callback([options, &run] { run = [options] { return getCommand(*options); }; });

    CLI::App* set = workshop->add_subcommand(
        "set", "Change one setting as the settings allow it (names stay unique, base groups "
               "stay as they are, nothing is created); prints the new value");
    set->add_option("FILE", options->file, "The workshop settings file (.json)")->required();
    set->add_option("PATH", options->path, "The setting, as for get")->required();
    set->add_option("VALUE", options->value,
                    "The new value: a text as typed, a whole number, or a JSON list")
        ->required();
    set->add_option("--out", options->out,
                    "Write the changed settings here (never the input file); without it "
                    "nothing is written")
        ->check(outputPathCheck());
    set->callback([options, &run] { run = [options] { return setCommand(*options); }; });

    CLI::App* edit = workshop->add_subcommand(
        "edit", "The workshop settings dialog on the file; OK writes it, Cancel leaves it");
    edit->add_option("FILE", options->file, "The workshop settings file (.json)")->required();
    edit->callback([options, &run] { run = [options] { return editCommand(*options); }; });
}

} // namespace app
