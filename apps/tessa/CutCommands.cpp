#include "apps/tessa/CutCommands.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/MacroOutput.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "macro/cuts/CDlgEditProfCuts.h"
#include "macro/cuts/CDlgMacroCuts.h"
#include "macro/cuts/CutLaunchers.h"
#include "macro/cuts/CutParameterGrid.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"
#include "platform/ui/windows/WinConstants.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace app {

namespace {

using Json = nlohmann::ordered_json;

struct CutOptions {
    std::string file;
    std::string module;
    std::string cut;
    std::optional<int> type;
    std::optional<std::string> description;
    std::vector<std::string> params;
    std::vector<std::string> shows;
    std::optional<int> choice;
    std::optional<int> state;
    std::optional<std::string> option;
    std::optional<std::string> flanges;
    std::optional<std::string> web;
    std::string out;
    bool json = false;
};

std::string joined(const Vdn_StringArray& names) {
    std::string text;
    for (const Vdn_String& name : names)
        text += (text.empty() ? "" : ", ") + utf8(name);
    return text;
}

void printJsonLine(const Json& document) {
    std::printf("%s\n", document.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
}

bool openMacro(const std::string& file, AcDbObjectId& id) {
    Vdn_String message;
    if (Vdn_Drawing::current().openMacro(Vdn_String::fromUtf8(file), id, message))
        return true;
    fail(utf8(message));
    return false;
}

Json cutJson(const Vdn_Module& module, const Vdn_CutConstraint& cut) {
    Json parameters = Json::array();
    for (int type = 0; type < Vdn_CutConstraint::kOffsetTypeCount; ++type) {
        const auto slot = static_cast<std::size_t>(type);
        if (cut.offsets[slot])
            parameters.push_back({{"name", utf8(Vdn_CutConstraint::offsetName(type))},
                                  {"value", utf8(*cut.offsets[slot])},
                                  {"inDialog", cut.inDialog[slot]}});
    }
    return Json{{"module", utf8(module.name)},
                {"name", utf8(cut.name)},
                {"type", cut.type},
                {"description", utf8(cut.description)},
                {"state", cut.state},
                {"side", cut.side},
                {"parameters", parameters},
                {"bevelFlanges", cut.bevelFlanges},
                {"bevelWeb", cut.bevelWeb},
                {"option", cut.option}};
}

// One line: module, cut, type, state, parameters, description; tab-separated.
void printCut(const Json& cut) {
    std::string parameters;
    for (const Json& parameter : cut["parameters"]) {
        parameters += (parameters.empty() ? "" : " ") + parameter["name"].get<std::string>() + "=" +
                      parameter["value"].get<std::string>();
    }
    std::printf("%s\t%s\ttype %d\tstate %d\t%s\t%s\n", cut["module"].get<std::string>().c_str(),
                cut["name"].get<std::string>().c_str(), cut["type"].get<int>(),
                cut["state"].get<int>(), parameters.c_str(),
                cut["description"].get<std::string>().c_str());
}

int listCuts(const CutOptions& options) {
    AcDbObjectId id;
    if (!openMacro(options.file, id))
        return kExitFailed;
    const Vdn_DbMacro& macro = *Vdn_Drawing::current().macro(id);
    Json cuts = Json::array();
    for (const Vdn_Module& module : macro.modules) {
        for (const Vdn_CutConstraint& cut : module.cuts)
            cuts.push_back(cutJson(module, cut));
    }
    if (options.json) {
        printJsonLine(Json{{"cuts", cuts}});
        return kExitOk;
    }
    for (const Json& cut : cuts)
        printCut(cut);
    if (cuts.empty())
        std::printf("no cuts\n");
    return kExitOk;
}

// Opens the macro and finds the module; the output file must not be the input.
bool prepare(const CutOptions& options, AcDbObjectId& id, const Vdn_Module*& module) {
    if (!options.out.empty()) {
        if (const auto refused = OutputFile(options.out).refusal()) {
            fail(*refused);
            return false;
        }
    }
    if (!openMacro(options.file, id))
        return false;
    const Vdn_DbMacro& macro = *Vdn_Drawing::current().macro(id);
    if (macro.openModule(Vdn_String::fromUtf8(options.module), module) == Acad::eOk)
        return true;
    fail("the macro has no module \"" + options.module + "\" (it has " +
         joined(macro.getModuleNames()) + ")");
    return false;
}

int save(const CutOptions& options, AcDbObjectId id) {
    if (const auto failed = writeMacroOutput(id, options.out))
        return fail(*failed);
    return kExitOk;
}

int report(const CutOptions& options, AcDbObjectId id, const char* what) {
    const Vdn_DbMacro& macro = *Vdn_Drawing::current().macro(id);
    const Vdn_Module* module = nullptr;
    macro.openModule(Vdn_String::fromUtf8(options.module), module);
    const Vdn_CutConstraint* cut = nullptr;
    const bool present =
        module && module->getCutConstraint(Vdn_String::fromUtf8(options.cut), cut) == Acad::eOk;
    if (options.json) {
        printJsonLine(Json{{"ok", true},
                           {"cut", present ? cutJson(*module, *cut) : Json()},
                           {"written", options.out.empty() ? Json() : Json(options.out)}});
    } else {
        if (present)
            printCut(cutJson(*module, *cut));
        std::printf("%s%s\n", what,
                    options.out.empty() ? " (not written: no --out)"
                                        : (", written to " + options.out).c_str());
    }
    return kExitOk;
}

// "on" / "off" (also 1 / 0, yes / no); nullopt for anything else.
std::optional<bool> onOff(const std::string& text) {
    const Vdn_String word = Vdn_String::fromUtf8(text).trim().toLower();
    if (word == L"on" || word == L"1" || word == L"yes" || word == L"true")
        return true;
    if (word == L"off" || word == L"0" || word == L"no" || word == L"false")
        return false;
    return std::nullopt;
}

bool splitAssignment(const std::string& text, const char* option, Vdn_String& name,
                     Vdn_String& value, std::string& problem) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
        problem = std::string(option) + " " + text + ": expected NAME=VALUE";
        return false;
    }
    name = Vdn_String::fromUtf8(text.substr(0, equals)).trim();
    value = Vdn_String::fromUtf8(text.substr(equals + 1)).trim();
    return true;
}

// What the scripted user does in the cut dialog; problem says what went wrong.
class CutScript {
public:
    CutScript(const CutOptions& options, ui::ScriptedUser& user) : options_(options), user_(user) {}

    void operator()(CDlgMacroCuts& dialog, ui::UserActions& act) {
        if (!act_(dialog, act))
            act.click(IDCANCEL);
    }

    const std::string& problem() const { return problem_; }

private:
    bool stop(std::string why) {
        problem_ = std::move(why);
        return false;
    }

    int rowOf(const CDlgMacroCuts& dialog, const Vdn_String& name) const {
        return dialog.data_.paramNames.find(name, false) + 1;
    }

    bool setCheck(ui::UserActions& act, CDlgMacroCuts& dialog, int id,
                  const std::optional<std::string>& wanted, const char* option) {
        if (!wanted)
            return true;
        const std::optional<bool> on = onOff(*wanted);
        if (!on)
            return stop(std::string(option) + " " + *wanted + ": expected on or off");
        const bool checked = dialog.IsDlgButtonChecked(id) == BST_CHECKED;
        if (checked != *on && !act.click(id))
            return stop(std::string(option) + ": a cut of type " +
                        std::to_string(dialog.shownType()) + " has no such option");
        return true;
    }

    bool act_(CDlgMacroCuts& dialog, ui::UserActions& act) {
        if (!dialog.data_.editExisting) {
            if (options_.type &&
                !act.selectComboItem(CDlgMacroCuts::kTypeCombo, *options_.type - 1))
                return stop("--type " + std::to_string(*options_.type) + ": expected 1 to 6");
            act.enterText(CDlgMacroCuts::kNameEdit, Vdn_String::fromUtf8(options_.cut).str());
        }
        if (options_.description)
            act.enterText(CDlgMacroCuts::kDescriptionEdit,
                          Vdn_String::fromUtf8(*options_.description).str());
        for (const std::string& param : options_.params) {
            Vdn_String name;
            Vdn_String value;
            if (!splitAssignment(param, "--param", name, value, problem_))
                return false;
            const int row = rowOf(dialog, name);
            if (row < 1)
                return stop("--param " + param + ": a cut of type " +
                            std::to_string(dialog.shownType()) + " has the parameters " +
                            joined(dialog.data_.paramNames));
            if (!isNumber(value))
                return stop("--param " + param + ": \"" + utf8(value) + "\" is not a number");
            act.typeInCell(CDlgMacroCuts::kParameterGrid, CutParameterGrid::kValueColumn, row,
                           value.str());
        }
        for (const std::string& show : options_.shows) {
            Vdn_String name;
            Vdn_String value;
            if (!splitAssignment(show, "--show", name, value, problem_))
                return false;
            const int row = rowOf(dialog, name);
            const std::optional<bool> on = onOff(value.toUtf8());
            if (row < 1 || !on)
                return stop("--show " + show + ": expected a parameter of the cut = on or off");
            const bool shown =
                dialog.data_.paramFlags.isValidIndex(row - 1) && dialog.data_.paramFlags[row - 1];
            if (shown != *on)
                act.clickCell(CDlgMacroCuts::kParameterGrid, CutParameterGrid::kFlagColumn, row);
        }
        if (options_.choice && (*options_.choice < 1 || *options_.choice > 3 ||
                                !act.click(CDlgMacroCuts::kFirstRadio + *options_.choice - 1)))
            return stop("--choice " + std::to_string(*options_.choice) + ": a cut of type " +
                        std::to_string(dialog.shownType()) + " has no such choice");
        if (options_.state && !act.selectComboItem(CDlgMacroCuts::kStateCombo, *options_.state))
            return stop("--state " + std::to_string(*options_.state) +
                        ": only a cut of type 1 has a state, from 0 to 3");
        if (!setCheck(act, dialog, CDlgMacroCuts::kTypeOptionCheck, options_.option, "--option") ||
            !setCheck(act, dialog, CDlgMacroCuts::kFlangesCheck, options_.flanges,
                      "--bevel-flanges") ||
            !setCheck(act, dialog, CDlgMacroCuts::kWebCheck, options_.web, "--bevel-web"))
            return false;
        const std::size_t boxes = user_.messageBoxes().size();
        act.click(IDOK);
        if (dialog.hasEnded())
            return true;
        // The dialog refused and stays open: its message is the reason.
        return stop(user_.messageBoxes().size() > boxes
                        ? utf8(user_.messageBoxes().back().text)
                        : std::string("the cut dialog did not accept the cut"));
    }

    const CutOptions& options_;
    ui::ScriptedUser& user_;
    std::string problem_;
};

int setCut(const CutOptions& options) {
    const LoadedModule loaded(stderr);
    AcDbObjectId id;
    const Vdn_Module* module = nullptr;
    if (!prepare(options, id, module))
        return kExitFailed;
    DlgMacroCutsData data;
    data.macros.objectIds.append(id);
    data.moduleName = module->name;
    const Vdn_String cutName = Vdn_String::fromUtf8(options.cut).trim();
    const bool exists =
        data.loadCut(*Vdn_Drawing::current().macro(id), module->name, cutName) == Acad::eOk;
    if (exists && options.type && *options.type != data.cutType)
        return fail("the cut \"" + options.cut + "\" exists; its type cannot change");
    if (!exists)
        data.GetDefaultValues(DlgMacroCutsData::kProfileVsPlate);

    ui::ScriptedUser user;
    ui::UserScope scope(user);
    CutScript script(options, user);
    user.expectModal<CDlgMacroCuts>(std::ref(script));
    bool cancelled = false;
    if (!StartDlgMacroCuts(data, cancelled))
        return fail(script.problem().empty() ? "the cut dialog did not open" : script.problem());
    Vdn_String problem;
    if (data.writeToDrawing(&problem) != Acad::eOk)
        return fail("the model refuses the cut: " + utf8(problem));
    if (const int saved = save(options, id); saved != kExitOk)
        return saved;
    return report(options, id, exists ? "cut changed" : "cut added");
}

int removeCut(const CutOptions& options) {
    const LoadedModule loaded(stderr);
    AcDbObjectId id;
    const Vdn_Module* module = nullptr;
    if (!prepare(options, id, module))
        return kExitFailed;
    Vdn_StringArray names;
    module->getCutConstraints(names);
    const int index = names.find(Vdn_String::fromUtf8(options.cut).trim(), false);
    if (index < 0)
        return fail("module \"" + utf8(module->name) + "\" has no cut \"" + options.cut + "\"");
    DlgProfCutsData data;
    data.macroId = id;
    data.moduleName = module->name;
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    user.expectModal<CDlgEditProfCuts>([index](CDlgEditProfCuts&, ui::UserActions& act) {
        act.selectComboItem(CDlgEditProfCuts::kCutCombo, index);
        act.click(CDlgEditProfCuts::kRemoveButton);
        act.click(IDOK);
    });
    if (!StartEditProfCutsDlg(data) || !user.verify())
        return fail("the cut was not removed: " + utf8(user.failureText()));
    if (const int saved = save(options, id); saved != kExitOk)
        return saved;
    if (options.json) {
        printJsonLine(Json{{"ok", true},
                           {"removed", options.cut},
                           {"written", options.out.empty() ? Json() : Json(options.out)}});
        return kExitOk;
    }
    std::printf(
        "cut %s removed from %s%s\n", utf8(names[index]).c_str(), utf8(module->name).c_str(),
        options.out.empty() ? " (not written: no --out)" : (", written to " + options.out).c_str());
    return kExitOk;
}

} // namespace

void addCutCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<CutOptions>();
    CLI::App* cut = program.add_subcommand("cut", "The cuts of a macro's modules");
    cut->require_subcommand(1);

    CLI::App* list = cut->add_subcommand("list", "Every cut: module, name, type, state, "
                                                 "parameters, description");
    list->add_option("FILE", options->file, "The macro file (.json)")->required();
    list->add_flag("--json", options->json, "Print {\"cuts\":[...]}");
    list->callback([options, &run] { run = [options] { return listCuts(*options); }; });

    CLI::App* set = cut->add_subcommand("set", "Adds a cut or edits the cut of that name through "
                                               "the cut dialog");
    set->add_option("FILE", options->file, "The macro file (.json)")->required();
    set->add_option("MODULE", options->module, "The module that holds the cut")->required();
    set->add_option("CUT", options->cut, "The cut's name")->required();
    set->add_option("--type", options->type,
                    "A new cut's type: 1 profile against plate, 2 profile against profile, 3 "
                    "profile in profile, 4 in three segments, 5 chamfer, 6 fillet (default 1)");
    set->add_option("--description", options->description, "The cut's description");
    set->add_option("--param", options->params, "NAME=NUMBER: a parameter's value (repeatable)");
    set->add_option("--show", options->shows,
                    "NAME=on|off: whether the macro dialog shows the parameter (repeatable)");
    set->add_option("--choice", options->choice,
                    "Type 1: 1 near or 2 far face of the plate; type 4: segments along the "
                    "1 first or 2 second profile, or 3 as the macro sets them");
    set->add_option("--state", options->state, "Type 1: the cut's state, 0 to 3");
    set->add_option("--option", options->option,
                    "on|off: type 1 lengthens the profile to the plate, type 3 cuts a "
                    "clearance around the inner profile");
    set->add_option("--bevel-flanges", options->flanges,
                    "on|off: type 1 prepares the flanges for the weld");
    set->add_option("--bevel-web", options->web, "on|off: type 1 prepares the web for the weld");
    set->add_option("--out", options->out, "Write the macro with the cut to this file")
        ->check(outputPathCheck());
    set->add_flag("--json", options->json, "Print {\"ok\":true,\"cut\":{...},\"written\":...}");
    set->callback([options, &run] { run = [options] { return setCut(*options); }; });

    CLI::App* remove = cut->add_subcommand("remove", "Removes a cut through the profile-cuts "
                                                     "dialog");
    remove->add_option("FILE", options->file, "The macro file (.json)")->required();
    remove->add_option("MODULE", options->module, "The module that holds the cut")->required();
    remove->add_option("CUT", options->cut, "The cut's name")->required();
    remove->add_option("--out", options->out, "Write the macro without the cut to this file")
        ->check(outputPathCheck());
    remove->add_flag("--json", options->json, "Print {\"ok\":true,\"removed\":...}");
    remove->callback([options, &run] { run = [options] { return removeCut(*options); }; });
}

} // namespace app
