#include "apps/tessa/MacroDialogCommands.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/MacroOutput.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "apps/tessa/WindowRunner.h"
#include "macro/dialog/CDlgMacro.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace app {

namespace {

using Json = nlohmann::ordered_json;

struct PageOptions {
    std::string file;
    std::string tab;
    int button = 0;
    std::string want;
    std::string out;
    bool json = false;
};

void printJsonLine(const Json& document) {
    std::printf("%s\n", document.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
}

// The macro of the file, opened in the current drawing, as the macro dialog gets it.
bool openRecord(const std::string& file, AcDbObjectId& id, MacroData& data) {
    Vdn_String message;
    if (!Vdn_Drawing::current().openMacro(Vdn_String::fromUtf8(file), id, message)) {
        fail(utf8(message));
        return false;
    }
    AcArray<AcDbObjectId> ids;
    ids.append(id);
    return getMacroDataOf(ids, data);
}

// What a bound control stands for, in words.
std::string bindingText(const MacroBinding& binding, const MacroTabData& tab) {
    auto named = [](const char* what, const Vdn_String& name) {
        return std::string(what) + " " + utf8(name);
    };
    switch (binding.type) {
    case ctVarEdit:
    case ctVarCombo:
    case ctCheckBox:
    case ctCalcButton:
    case ctCalcButtonNoDivisor:
        return tab.cells.isValidIndex(binding.element)
                   ? named(binding.type == ctCalcButton || binding.type == ctCalcButtonNoDivisor
                               ? "target"
                               : "cell",
                           tab.cells[binding.element].name)
                   : "";
    case ctPatternValues:
    case ctPatternCount:
    case ctPatternButton:
        return tab.patterns.isValidIndex(binding.element)
                   ? named(binding.type == ctPatternValues  ? "pattern values"
                           : binding.type == ctPatternCount ? "pattern count"
                                                            : "pattern button",
                           tab.patterns[binding.element].name)
                   : "";
    case ctBoltProp1:
    case ctBoltProp2:
    case ctBoltProp3:
    case ctBoltProp4:
    case ctBoltProp5:
        return "bolt text " + std::to_string(binding.part + 1);
    case ctArrayProp1:
    case ctArrayProp2:
    case ctArrayProp3:
    case ctArrayProp4:
    case ctArrayProp5:
    case ctArrayEntry:
    case ctArrayButton:
        return tab.arrays.isValidIndex(binding.element)
                   ? named("array", tab.arrays[binding.element].name)
                   : "";
    case ctCutCombo:
        return tab.cuts.isValidIndex(binding.element) ? named("cut", tab.cuts[binding.element].name)
                                                      : "";
    case ctProfSection:
    case ctProfButton:
    case ctProfOffsetType:
    case ctProfRotation:
    case ctProfAdvButton:
        return named("profile group", binding.group);
    case ctBlockCombo:
        return "block";
    case ctFlexFixButton:
        return "flex button";
    default:
        return "caption";
    }
}

Json pageJson(CMacroTabGeneral& page, const MacroTabData& tab) {
    Json controls = Json::array();
    for (const MacroBinding& binding : page.bindings()) {
        Vdn_String value;
        page.design().getCtrlValue(binding.id, value);
        int index = 0;
        const bool readOnly = page.design().findCtrlFromResource(binding.id, index) &&
                              page.design().getControl(index)->readOnly;
        controls.push_back(Json{{"id", binding.id},
                                {"type", static_cast<int>(binding.type)},
                                {"binds", bindingText(binding, tab)},
                                {"value", utf8(value)},
                                {"readOnly", readOnly},
                                {"removed", false}});
    }
    for (const Vdn_DesignerControl& removed : page.removedControls())
        controls.push_back(
            Json{{"id", removed.resourceId},
                 {"type", static_cast<int>(removed.type)},
                 {"binds", utf8(removed.type == ctCheckBox ? removed.comboList : removed.contents)},
                 {"removed", true}});
    Json rows = Json::array();
    int rowNumber = 0;
    for (const MacroPageGrid::Row& row : page.grid().rows()) {
        ++rowNumber;
        Json shown{{"row", rowNumber}};
        if (row.kind == MacroPageGrid::RowKind::Cell) {
            const MacroCell& cell = tab.cells[row.element];
            shown["kind"] = "cell";
            shown["name"] = utf8(cell.name);
            shown["value"] = utf8(cell.value);
            shown["readOnly"] = cell.readOnly;
        } else if (row.kind == MacroPageGrid::RowKind::Pattern) {
            shown["kind"] = "pattern";
            shown["name"] = utf8(tab.patterns[row.element].name);
            shown["value"] = utf8(tab.patterns[row.element].valuesText);
        } else {
            shown["kind"] = "array";
            shown["name"] = utf8(tab.arrays[row.element].name);
            shown["value"] = utf8(tab.arrays[row.element].texts[0]);
        }
        rows.push_back(std::move(shown));
    }
    // The focus order: the design's controls in their tab order, the grid, the bolt section.
    std::vector<std::pair<int, std::string>> ordered;
    for (int i = 0; i < page.design().getNrControls(); ++i) {
        const Vdn_DesignerControl& control = *page.design().getControl(i);
        if (control.tabOrder > 0)
            ordered.emplace_back(control.tabOrder, "design " + std::to_string(control.resourceId));
    }
    std::sort(ordered.begin(), ordered.end());
    Json focus = Json::array();
    for (const auto& entry : ordered)
        focus.push_back(entry.second);
    if (!page.grid().rows().empty())
        focus.push_back("grid");
    for (const int id : page.focusSectionIds())
        focus.push_back("section " + std::to_string(id));
    return Json{{"tab", utf8(tab.name)},
                {"design", utf8(tab.designName)},
                {"controls", controls},
                {"grid", rows},
                {"focus", focus}};
}

void printPageText(const Json& page) {
    std::printf("tab %s", page["tab"].get<std::string>().c_str());
    if (!page["design"].get<std::string>().empty())
        std::printf(" (design %s)", page["design"].get<std::string>().c_str());
    std::printf("\n");
    for (const Json& control : page["controls"]) {
        if (control["removed"].get<bool>()) {
            std::printf("  removed  type %d %s\n", control["type"].get<int>(),
                        control["binds"].get<std::string>().c_str());
            continue;
        }
        std::printf("  %d  type %d  %s = \"%s\"%s\n", control["id"].get<int>(),
                    control["type"].get<int>(), control["binds"].get<std::string>().c_str(),
                    control["value"].get<std::string>().c_str(),
                    control["readOnly"].get<bool>() ? " (read-only)" : "");
    }
    for (const Json& row : page["grid"])
        std::printf("  row %d  %s %s = \"%s\"\n", row["row"].get<int>(),
                    row["kind"].get<std::string>().c_str(), row["name"].get<std::string>().c_str(),
                    row["value"].get<std::string>().c_str());
    std::string focus;
    for (const Json& place : page["focus"])
        focus += (focus.empty() ? "" : ", ") + place.get<std::string>();
    std::printf("  focus: %s\n", focus.c_str());
}

// Runs the macro dialog under a scripted user on the named tab; work gets the shown page.
int withPage(const PageOptions& options, MacroData& data,
             const std::function<int(CDlgMacro&, CMacroTabGeneral&, ui::ScriptedUser&)>& work) {
    const int tabIndex = data.findTab(Vdn_String::fromUtf8(options.tab));
    if (tabIndex < 0)
        return fail("the macro has no tab \"" + options.tab + "\"");
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    int result = kExitFailed;
    user.expectModal<CDlgMacro>([&](CDlgMacro& dialog, ui::UserActions& act) {
        dialog.showTab(tabIndex);
        if (CMacroTabGeneral* page = dialog.page(tabIndex))
            result = work(dialog, *page, user);
        else
            result = fail("the tab \"" + options.tab + "\" has no page");
        act.click(IDCANCEL);
    });
    StartDlgMacro(data);
    return result;
}

int showPage(const PageOptions& options) {
    const LoadedModule module(stderr);
    AcDbObjectId id;
    MacroData data;
    if (!openRecord(options.file, id, data))
        return kExitFailed;
    return withPage(
        options, data, [&](CDlgMacro& dialog, CMacroTabGeneral& page, ui::ScriptedUser&) -> int {
            const Json shown = pageJson(page, *dialog.macroData().getTab(page.tabIndex()));
            if (options.json)
                printJsonLine(shown);
            else
                printPageText(shown);
            return kExitOk;
        });
}

int runCalc(const PageOptions& options) {
    const LoadedModule module(stderr);
    AcDbObjectId id;
    MacroData data;
    if (!openRecord(options.file, id, data))
        return kExitFailed;
    const MacroData before = data;
    std::string problem;
    const int result = withPage(
        options, data, [&](CDlgMacro&, CMacroTabGeneral& page, ui::ScriptedUser& user) -> int {
            const auto binding = std::find_if(
                page.bindings().begin(), page.bindings().end(), [&](const MacroBinding& bound) {
                    return bound.id == options.button &&
                           (bound.type == ctCalcButton || bound.type == ctCalcButtonNoDivisor);
                });
            if (binding == page.bindings().end())
                return fail("the page has no calculating button " + std::to_string(options.button));
            bool prompted = false;
            user.expectModal<Vdn_DlgPromptString>([&](Vdn_DlgPromptString&, ui::UserActions& act) {
                prompted = true;
                act.enterText(Vdn_DlgPromptString::kValueEdit,
                              Vdn_String::fromUtf8(options.want).str());
                act.click(IDOK);
            });
            const bool ran = page.runCalcButton(options.button);
            if (!prompted)
                return fail("the calculating button cannot run: its target is no number, or "
                            "its factor or cells are missing");
            if (!ran)
                return fail("the wanted value is no number");
            if (!page.cycle().lastRefusal().isEmpty())
                return fail("the model refused the values: " + utf8(page.cycle().lastRefusal()));
            return kExitOk;
        });
    if (result != kExitOk)
        return result;
    Json changed = Json::array();
    for (int t = 0; t < data.tabs.length() && t < before.tabs.length(); ++t) {
        for (int c = 0; c < data.tabs[t].cells.length() && c < before.tabs[t].cells.length(); ++c) {
            const MacroCell& was = before.tabs[t].cells[c];
            const MacroCell& now = data.tabs[t].cells[c];
            if (was.value != now.value)
                changed.push_back(Json{{"tab", utf8(data.tabs[t].name)},
                                       {"name", utf8(now.name)},
                                       {"old", utf8(was.value)},
                                       {"new", utf8(now.value)}});
        }
    }
    if (const auto failed = writeMacroOutput(id, options.out))
        return fail(*failed);
    if (options.json) {
        printJsonLine(Json{{"ok", true}, {"changed", changed}});
        return kExitOk;
    }
    for (const Json& change : changed)
        std::printf("%s.%s: %s -> %s\n", change["tab"].get<std::string>().c_str(),
                    change["name"].get<std::string>().c_str(),
                    change["old"].get<std::string>().c_str(),
                    change["new"].get<std::string>().c_str());
    if (changed.empty())
        std::printf("nothing changed\n");
    return kExitOk;
}

int macroWindow(const PageOptions& options) {
    if (!WindowRunner::canShowWindows()) {
        std::fprintf(stderr, "tessa gui macro: no display to show the window on\n");
        return kExitFailed;
    }
    const LoadedModule module(stderr);
    AcDbObjectId id;
    MacroData data;
    if (!openRecord(options.file, id, data))
        return kExitFailed;
    WindowRunner windows;
    StartDlgMacro(data);
    if (const auto failed = writeMacroOutput(id, options.out))
        return fail(*failed);
    return kExitOk;
}

} // namespace

void addMacroDialogCommands(CLI::App& macro, CommandRun& run) {
    const auto options = std::make_shared<PageOptions>();
    CLI::App* page = macro.add_subcommand(
        "page", "Build a page of the macro dialog headless: every design control with what it "
                "binds, its value and read-only state, the removed controls, the grid rows and "
                "the focus order");
    page->add_option("FILE", options->file, "The macro file (.json)")->required();
    page->add_option("--tab", options->tab, "The tab whose page is built")->required();
    page->add_flag("--json", options->json,
                   "Print {\"tab\":...,\"controls\":[...],\"grid\":[...],\"focus\":[...]}");
    page->callback([options, &run] { run = [options] { return showPage(*options); }; });

    CLI::App* calc = macro.add_subcommand(
        "calc", "Run a calculating button of a page: ask the wanted value of its target and "
                "send the values that give it through the update cycle");
    calc->add_option("FILE", options->file, "The macro file (.json)")->required();
    calc->add_option("--tab", options->tab, "The tab whose page holds the button")->required();
    calc->add_option("--button", options->button, "The button's control id")->required();
    calc->add_option("--want", options->want, "The wanted value of the target")->required();
    calc->add_option("--out", options->out,
                     "Write the changed macro here (the input file is not changed otherwise)")
        ->check(outputPathCheck());
    calc->add_flag("--json", options->json,
                   "Print {\"ok\":true,\"changed\":[{\"tab\":...,\"name\":...,\"old\":...,"
                   "\"new\":...}]}");
    calc->callback([options, &run] { run = [options] { return runCalc(*options); }; });
}

void addGuiMacroCommand(CLI::App& gui, CommandRun& run) {
    const auto options = std::make_shared<PageOptions>();
    CLI::App* macro =
        gui.add_subcommand("macro", "The macro dialog in the real window on a macro file");
    macro->add_option("FILE", options->file, "The macro file (.json)")->required();
    macro->add_option("--out", options->out, "Write the macro here when the dialog closes")
        ->check(outputPathCheck());
    macro->callback([options, &run] { run = [options] { return macroWindow(*options); }; });
}

} // namespace app
