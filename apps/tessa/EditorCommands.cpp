#include "apps/tessa/EditorCommands.h"

#include "apps/tessa/MacroOutput.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "macro/editor/CDlgEditMacro.h"
#include "macro/editor/EditConstrLaunchers.h"
#include "platform/core/model/EditConstrCallbacks.h"
#include "platform/core/model/MacroEditing.h"
#include "platform/core/model/MacroRecalculation.h"
#include "platform/core/model/VariableNames.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace app {

namespace {

using Json = nlohmann::ordered_json;

struct EditorOptions {
    std::string file;
    std::string module;
    std::vector<std::string> sets;
    int constraintId = 0;
    std::string value;
    std::string variable;
    bool hasValue = false;
    bool hasVariable = false;
    std::string out;
    bool json = false;
};

constexpr int kFlexibilityTexts[] = {893, 894, 895};
constexpr int kKindTexts[] = {900, 895, 893, 901, 902, 1325, 1326, 1327};

Json texts(const Vdn_StringArray& values) {
    Json list = Json::array();
    for (const Vdn_String& value : values)
        list.push_back(utf8(value));
    return list;
}

Json numbers(const Vdn_Array<int>& values) {
    Json list = Json::array();
    for (const int value : values)
        list.push_back(value);
    return list;
}

Vdn_String number(double value) {
    return Vdn_String(value, 10, true);
}

// The macro opened into the drawing and the record of the module the editor starts on.
bool openRecord(const EditorOptions& options, EditConstrData& data) {
    Vdn_String message;
    AcDbObjectId id;
    if (!Vdn_Drawing::current().openMacro(Vdn_String::fromUtf8(options.file), id, message)) {
        fail(utf8(message));
        return false;
    }
    data.macroObject = id;
    data.currentModule = Vdn_String::fromUtf8(options.module);
    const Vdn_DbMacro& macro = *Vdn_Drawing::current().macro(id);
    if (macro.modules.isEmpty()) {
        fail("the macro has no modules");
        return false;
    }
    if (!options.module.empty() && !macro.getModuleNames().contains(data.currentModule, false)) {
        fail("the macro has no module \"" + options.module + "\"");
        return false;
    }
    return fillEditConstrData(data);
}

Json moduleJson(const EditConstrData& data) {
    Json constraints = Json::array();
    for (int row = 0; row < data.rowCount(); ++row) {
        Json editors = Json::array();
        for (const int kind : data.rowEditorKinds[row])
            editors.push_back(kind == 0   ? "value"
                              : kind == 1 ? "variable"
                              : kind == 2 ? "choice"
                                          : "flags");
        Json constraint{{"id", data.constraintIds[row]},
                        {"cells", texts(data.constraintRows[row])},
                        {"editors", std::move(editors)},
                        {"value", utf8(data.rowValues[row])},
                        {"variable", utf8(data.rowVariableNames[row])}};
        if (data.rowHasEditor(row, EditConstrData::kChoiceEditor)) {
            constraint["choices"] = texts(data.rowChoiceLists[row]);
            constraint["choice"] = data.rowChoices[row];
        }
        if (data.rowHasEditor(row, EditConstrData::kFlagsEditor)) {
            constraint["firstFlag"] = static_cast<bool>(data.rowFirstFlags[row]);
            constraint["secondFlag"] = static_cast<bool>(data.rowSecondFlags[row]);
        }
        constraint["cut"] = data.cutFlags[row] == 1;
        if (!data.rowImages[row].isEmpty()) {
            constraint["images"] = texts(data.rowImages[row]);
            constraint["imageSelections"] = numbers(data.rowImageSelections[row]);
        }
        constraints.push_back(std::move(constraint));
    }
    Json geometries = Json::array();
    for (int row = 0; row < data.geometryObjects.length(); ++row) {
        const int flexibility = data.geometryFlexibility[row];
        geometries.push_back(
            Json{{"id", data.geometryFlexibilityValues[row]},
                 {"cells", texts(data.geometryRows[row])},
                 {"nameTag", utf8(data.geometryNameTags[row])},
                 {"flexibility", flexibility >= 0 && flexibility <= 2
                                     ? utf8(dialString(kFlexibilityTexts[flexibility]))
                                     : std::to_string(flexibility)},
                 {"construction", data.geometryFlags[row] == 1}});
    }
    Json variables = Json::array();
    for (int i = 0; i < data.variableNames.length(); ++i) {
        const int kind = data.variableKinds[i];
        variables.push_back(
            Json{{"name", utf8(data.variableNames[i])},
                 {"value", utf8(number(data.variableValues[i]))},
                 {"kind", kind >= 0 && kind <= 7 ? utf8(dialString(kKindTexts[kind]))
                                                 : std::to_string(kind)}});
    }
    Json dimensions = Json::array();
    for (int i = 0; i < data.dimensionValueNames.length(); ++i)
        dimensions.push_back(Json{{"name", utf8(data.dimensionValueNames[i])},
                                  {"value", utf8(data.dimensionValues[i])}});
    return Json{{"name", utf8(data.currentModule)},         {"constraints", std::move(constraints)},
                {"geometries", std::move(geometries)},      {"variables", std::move(variables)},
                {"dimensionValues", std::move(dimensions)}, {"equations", texts(data.equations)}};
}

std::string joinedTexts(const Json& list, const char* separator) {
    std::string text;
    for (const Json& item : list)
        text += (text.empty() ? "" : separator) + item.get<std::string>();
    return text;
}

void printModule(const Json& module) {
    std::printf("module %s\n", module["name"].get<std::string>().c_str());
    for (const Json& constraint : module["constraints"]) {
        std::printf("  constraint #%d  %s", constraint["id"].get<int>(),
                    joinedTexts(constraint["cells"], " | ").c_str());
        if (!constraint["value"].get<std::string>().empty())
            std::printf("  value %s", constraint["value"].get<std::string>().c_str());
        if (!constraint["variable"].get<std::string>().empty())
            std::printf("  variable %s", constraint["variable"].get<std::string>().c_str());
        if (constraint.contains("choice") && constraint["choice"].get<int>() >= 0 &&
            constraint["choice"].get<int>() < static_cast<int>(constraint["choices"].size()))
            std::printf("  choice %s",
                        constraint["choices"][constraint["choice"].get<std::size_t>()]
                            .get<std::string>()
                            .c_str());
        if (constraint.contains("firstFlag"))
            std::printf("  flags %d %d", constraint["firstFlag"].get<bool>() ? 1 : 0,
                        constraint["secondFlag"].get<bool>() ? 1 : 0);
        if (constraint["cut"].get<bool>())
            std::printf("  cut");
        std::printf("\n");
    }
    for (const Json& geometry : module["geometries"])
        std::printf("  geometry #%d  %s  tag %s  %s%s\n", geometry["id"].get<int>(),
                    joinedTexts(geometry["cells"], " ").c_str(),
                    geometry["nameTag"].get<std::string>().c_str(),
                    geometry["flexibility"].get<std::string>().c_str(),
                    geometry["construction"].get<bool>() ? "  construction" : "");
    for (const Json& variable : module["variables"])
        std::printf("  variable %s = %s  (%s)\n", variable["name"].get<std::string>().c_str(),
                    variable["value"].get<std::string>().c_str(),
                    variable["kind"].get<std::string>().c_str());
    for (const Json& dimension : module["dimensionValues"])
        std::printf("  dimension %s = %s\n", dimension["name"].get<std::string>().c_str(),
                    dimension["value"].get<std::string>().c_str());
    for (const Json& equation : module["equations"])
        std::printf("  equation %s\n", equation.get<std::string>().c_str());
}

int show(const EditorOptions& options) {
    EditConstrData data;
    if (!openRecord(options, data))
        return kExitFailed;
    Json modules = Json::array();
    const Vdn_StringArray names =
        options.module.empty() ? data.moduleNames : Vdn_StringArray{data.currentModule};
    for (const Vdn_String& name : names) {
        if (!SetCurrentModule(&data, name))
            return fail(utf8(Vdn_Drawing::current().lastMessage()));
        modules.push_back(moduleJson(data));
    }
    if (options.json) {
        std::printf("%s\n", Json{{"modules", std::move(modules)}}
                                .dump(-1, ' ', false, Json::error_handler_t::replace)
                                .c_str());
        return kExitOk;
    }
    for (const Json& module : modules)
        printModule(module);
    return kExitOk;
}

// Runs the editor on data under a scripted user who does what act does, then closes it with
// OK. A message box the editor shows ends the work: its text is the reason of the failure.
bool runEditor(EditConstrData& data,
               const std::function<void(CDlgEditMacro&, ui::UserActions&)>& act,
               std::string& reason) {
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    host::CommandLine::instance().clear();
    user.expectModal(CDlgEditMacro::IDD, [&act](CDialog& shown, ui::UserActions& actions) {
        auto& editor = dynamic_cast<CDlgEditMacro&>(shown);
        act(editor, actions);
        actions.click(IDOK);
    });
    StartDlgEditConstrModal(data);
    if (!user.messageBoxes().empty()) {
        reason = utf8(user.messageBoxes().front().text);
        for (char& ch : reason)
            ch = ch == '\n' ? ' ' : ch;
        return false;
    }
    if (!host::CommandLine::instance().text().empty()) {
        reason = utf8(Vdn_String(host::CommandLine::instance().text()).trim());
        return false;
    }
    if (!user.verify()) {
        reason = utf8(user.failureText());
        return false;
    }
    return true;
}

bool isNumber(const Vdn_String& text) {
    bool ok = false;
    text.trim().toDouble(&ok);
    return ok && !text.trim().isEmpty();
}

int finish(const EditorOptions& options, EditConstrData& data) {
    fillEditConstrData(data);
    if (const auto failed = writeMacroOutput(data.macroObject, options.out))
        return fail(*failed);
    const Json module = moduleJson(data);
    if (options.json)
        std::printf("%s\n", Json{{"ok", true}, {"module", module}}
                                .dump(-1, ' ', false, Json::error_handler_t::replace)
                                .c_str());
    else
        printModule(module);
    return kExitOk;
}

struct Assignment {
    Vdn_String name;
    Vdn_String formula;
};

// Why the editor would not take the assignment, or nothing. A new name must be one the
// constraints page takes: the rule of variable names, and not a general variable's. A variable
// an equation derives takes a new formula, but no number: the equation would overwrite it.
std::optional<std::string> assignmentProblem(const EditConstrData& data,
                                             const Assignment& assignment) {
    const Vdn_String& name = assignment.name;
    if (data.variableNames.contains(name, false)) {
        if (isNumber(assignment.formula) &&
            core::MacroRecalculation::isDerived(*Vdn_Drawing::current().macro(data.macroObject),
                                                data.currentModule, name))
            return "\"" + utf8(name) + "\" cannot be set: it is computed by its formula";
        return std::nullopt;
    }
    if (const std::optional<Vdn_String> problem = variableNameProblem(name))
        return utf8(*problem);
    bool inUse = false;
    if (VarNameInUse(data.macroObject, data.currentModule, name, inUse) && inUse)
        return "\"" + utf8(name) + "\" cannot name a variable: a general variable has that name";
    return std::nullopt;
}

int vars(const EditorOptions& options) {
    EditConstrData data;
    if (!openRecord(options, data))
        return kExitFailed;
    std::vector<Assignment> assignments;
    for (const std::string& set : options.sets) {
        const std::size_t equals = set.find('=');
        if (equals == std::string::npos || equals == 0 || equals + 1 == set.size())
            return fail("--set " + set + ": expected NAME=FORMULA");
        assignments.push_back({Vdn_String::fromUtf8(set.substr(0, equals)).trim(),
                               Vdn_String::fromUtf8(set.substr(equals + 1)).trim()});
        if (const std::optional<std::string> problem = assignmentProblem(data, assignments.back()))
            return fail(*problem);
    }
    std::string reason;
    const bool done = runEditor(
        data,
        [&](CDlgEditMacro& editor, ui::UserActions& act) {
            act.selectTab(CDlgEditMacro::kTabs, CDlgEditMacro::kVariablesPage);
            Vdn_Spread& sheet = editor.variablesPage().variablesSheet();
            Vdn_StringArray equations = editor.constrData().equations;
            for (const Assignment& assignment : assignments) {
                int row = -1;
                for (int r = 1; r <= sheet.maxRows(); ++r) {
                    Vdn_String name;
                    sheet.getCellText(1, r, name, Vdn_Spread::kCellValue);
                    if (name.trim().equal(assignment.name, false))
                        row = r;
                }
                if (row < 0) {
                    act.click(CTabEditVars::kAddButton);
                    row = sheet.maxRows();
                    act.typeInCell(CTabEditVars::kVariablesSheet, 1, row, assignment.name.str());
                }
                if (isNumber(assignment.formula)) {
                    act.typeInCell(CTabEditVars::kVariablesSheet, 2, row, assignment.formula.str());
                    continue;
                }
                // A formula derives the variable: its equation replaces the one it had.
                const Vdn_String equation = assignment.name + L" = " + assignment.formula;
                bool replaced = false;
                for (Vdn_String& line : equations) {
                    const int equals = line.find(L"=");
                    if (equals > 0 && line.substr(0, equals).trim().equal(assignment.name, false)) {
                        line = equation;
                        replaced = true;
                    }
                }
                if (!replaced)
                    equations.append(equation);
            }
            act.enterText(CTabEditVars::kEquationsEdit,
                          CTabEditVars::equationsText(equations).str());
        },
        reason);
    if (!done)
        return fail("the editor refuses the change: " + reason);
    return finish(options, data);
}

int constraint(const EditorOptions& options) {
    EditConstrData data;
    if (!openRecord(options, data))
        return kExitFailed;
    const int row = data.rowOf(options.constraintId);
    if (row < 0)
        return fail("the module " + utf8(data.currentModule) + " has no constraint " +
                    std::to_string(options.constraintId));
    if (options.hasValue && !data.rowHasEditor(row, EditConstrData::kValueEditor))
        return fail("constraint " + std::to_string(options.constraintId) + " has no value");
    if (options.hasVariable && !data.rowHasEditor(row, EditConstrData::kVariableEditor))
        return fail("constraint " + std::to_string(options.constraintId) + " has no variable");
    if (options.hasValue && !isNumber(Vdn_String::fromUtf8(options.value)))
        return fail("--value " + options.value + ": expected a number");
    std::string reason;
    const bool done = runEditor(
        data,
        [&](CDlgEditMacro&, ui::UserActions& act) {
            act.clickCell(CTabEditConstraints::kSheet, 1, row + 1);
            if (options.hasVariable) {
                act.enterText(CTabEditConstraints::kNameEdit,
                              Vdn_String::fromUtf8(options.variable).str());
                act.setFocus(CTabEditConstraints::kValueEdit);
            }
            if (options.hasValue)
                act.enterText(CTabEditConstraints::kValueEdit,
                              Vdn_String::fromUtf8(options.value).str());
        },
        reason);
    if (!done)
        return fail("the editor refuses the change: " + reason);
    return finish(options, data);
}

} // namespace

void addEditorCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<EditorOptions>();
    CLI::App* editor = program.add_subcommand(
        "editor", "The macro editor: list a macro's constraints, geometries, variables and "
                  "equations, or edit them as the editor does");
    editor->require_subcommand(1);

    CLI::App* showCommand = editor->add_subcommand(
        "show", "Every constraint, geometry, variable, dimension value and equation of each "
                "module, as the macro editor lists them");
    showCommand->add_option("FILE", options->file, "The macro file (.json)")->required();
    showCommand->add_option("--module", options->module, "Only this module");
    showCommand->add_flag("--json", options->json, "Print {\"modules\":[...]}");
    showCommand->callback([options, &run] { run = [options] { return show(*options); }; });

    CLI::App* varsCommand = editor->add_subcommand(
        "vars", "Set variables (NAME=NUMBER) or the formulas deriving them (NAME=FORMULA) in the "
                "editor's variables page; a refused change changes nothing (exit 1)");
    varsCommand->add_option("FILE", options->file, "The macro file (.json)")->required();
    varsCommand->add_option("--set", options->sets, "NAME=NUMBER or NAME=FORMULA (repeatable)")
        ->required();
    varsCommand->add_option("--module", options->module, "The module (default: the first)");
    varsCommand->add_option("--out", options->out, "Write the changed macro here")
        ->check(outputPathCheck());
    varsCommand->add_flag("--json", options->json, "Print {\"ok\":true,\"module\":{...}}");
    varsCommand->callback([options, &run] { run = [options] { return vars(*options); }; });

    CLI::App* constraintCommand = editor->add_subcommand(
        "constraint", "Change a constraint's value or driving variable in the editor's "
                      "constraints page; a refused change changes nothing (exit 1)");
    constraintCommand->add_option("FILE", options->file, "The macro file (.json)")->required();
    constraintCommand->add_option("--id", options->constraintId, "The constraint's id")->required();
    constraintCommand->add_option("--module", options->module, "The module (default: the first)");
    constraintCommand->add_option("--value", options->value, "The new value (a number)")
        ->each([options](const std::string&) { options->hasValue = true; });
    constraintCommand
        ->add_option("--variable", options->variable,
                     "The variable that drives it (a new name makes the variable)")
        ->each([options](const std::string&) { options->hasVariable = true; });
    constraintCommand->add_option("--out", options->out, "Write the changed macro here")
        ->check(outputPathCheck());
    constraintCommand->add_flag("--json", options->json, "Print {\"ok\":true,\"module\":{...}}");
    constraintCommand->callback(
        [options, &run] { run = [options] { return constraint(*options); }; });
}

} // namespace app
