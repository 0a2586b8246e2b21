#include "apps/tessa/MacroCommands.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/MacroDialogCommands.h"
#include "apps/tessa/MacroOutput.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/MacroCellValue.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/MacroRecalculation.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NamedItems.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace app {

namespace {

using Json = nlohmann::ordered_json;

struct MacroOptions {
    std::string file;
    std::vector<std::string> sets;
    std::string module;
    std::string out;
    bool json = false;
};

Json texts(const Vdn_StringArray& values) {
    Json list = Json::array();
    for (const Vdn_String& value : values)
        list.push_back(utf8(value));
    return list;
}

void printJsonLine(const Json& document) {
    std::printf("%s\n", document.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
}

bool openMacro(const MacroOptions& options, AcDbObjectId& id) {
    Vdn_String message;
    if (Vdn_Drawing::current().openMacro(Vdn_String::fromUtf8(options.file), id, message))
        return true;
    fail(utf8(message));
    return false;
}

const char* kCellKinds[] = {"", "number", "text", "list", "editableList", "check"};

Json cellJson(const MacroCell& cell) {
    Json object{{"name", utf8(cell.name)},
                {"displayName", utf8(cell.displayName)},
                {"kind", cell.kind >= 1 && cell.kind <= 5 ? kCellKinds[cell.kind] : "number"},
                {"value", utf8(cell.value)},
                {"readOnly", cell.readOnly}};
    if (!cell.items.isEmpty())
        object["items"] = texts(cell.items);
    return object;
}

Json tabJson(const MacroTabData& tab, const Vdn_DbMacro& macro) {
    Json object{{"name", utf8(tab.name)}, {"kind", tab.kind}, {"modules", texts(tab.moduleNames)}};
    if (!tab.designName.isEmpty())
        object["design"] = utf8(tab.designName);
    if (tab.blockReference)
        object["blockName"] = utf8(tab.blockName);
    object["view"] = tab.view;
    Json cells = Json::array();
    for (const MacroCell& cell : tab.cells)
        cells.push_back(cellJson(cell));
    object["cells"] = std::move(cells);
    if (const MacroBoltData* bolt = tab.getBoltData())
        object["boltData"] = Json{{"assembly", utf8(bolt->assembly)},
                                  {"diameter", utf8(bolt->diameter)},
                                  {"holeOffset", utf8(bolt->holeOffset)}};
    Json patterns = Json::array();
    for (const Vdn_String& moduleName : tab.moduleNames) {
        const Vdn_Module* module = nullptr;
        if (macro.openModule(moduleName, module) != Acad::eOk || !module->isBoltModule())
            continue;
        for (const Vdn_BoltPattern& pattern : module->patterns) {
            Json reverse = Json::array();
            for (const bool flag : pattern.reverseStart)
                reverse.push_back(flag);
            patterns.push_back(Json{{"module", utf8(module->name)},
                                    {"name", utf8(pattern.name)},
                                    {"typeCode", pattern.typeCode},
                                    {"nrBolts", texts(pattern.nrBolts)},
                                    {"reverseStart", std::move(reverse)}});
        }
    }
    if (!patterns.empty())
        object["patterns"] = std::move(patterns);
    Json profiles = Json::array();
    for (const MacroProfData& profile : tab.profiles)
        profiles.push_back(Json{{"module", utf8(profile.moduleName)},
                                {"name", utf8(profile.name)},
                                {"section", utf8(profile.section)},
                                {"material", utf8(profile.material)},
                                {"memberName", utf8(profile.memberName)}});
    if (!profiles.empty())
        object["profiles"] = std::move(profiles);
    Json arrays = Json::array();
    for (const DynArrayData& array : tab.arrays) {
        Json arrayTexts = Json::array();
        for (const Vdn_String& text : array.texts)
            arrayTexts.push_back(utf8(text));
        Json entries = Json::array();
        for (const DynArrayData::EntryProps& entry : array.entries)
            entries.push_back(utf8(entry.text));
        arrays.push_back(Json{{"module", utf8(array.moduleName)},
                              {"name", utf8(array.name)},
                              {"kind", array.kind},
                              {"texts", std::move(arrayTexts)},
                              {"entries", std::move(entries)}});
    }
    if (!arrays.empty())
        object["arrays"] = std::move(arrays);
    Json cuts = Json::array();
    for (const MacroCutData& cut : tab.cuts)
        cuts.push_back(Json{{"module", utf8(cut.moduleName)},
                            {"name", utf8(cut.name)},
                            {"type", cut.type},
                            {"description", utf8(cut.description)},
                            {"state", cut.state}});
    if (!cuts.empty())
        object["cuts"] = std::move(cuts);
    return object;
}

Json moduleJson(const Vdn_Module& module) {
    Json object{{"name", utf8(module.name)}};
    Json geometries = Json::array();
    for (const Vdn_Geometry& geometry : module.geometries)
        geometries.push_back(Json{{"id", geometry.id},
                                  {"kind", geometry.kind},
                                  {"cells", texts(geometry.cells)},
                                  {"nameTag", utf8(geometry.nameTag)},
                                  {"flexibility", geometry.flexibility}});
    object["geometries"] = std::move(geometries);
    Json constraints = Json::array();
    for (const Vdn_Constraint& constraint : module.constraints) {
        Json ids = Json::array();
        for (const int id : constraint.geometries)
            ids.push_back(id);
        constraints.push_back(Json{{"id", constraint.id},
                                   {"type", constraint.type},
                                   {"geometries", std::move(ids)},
                                   {"value", utf8(constraint.value)},
                                   {"variable", utf8(constraint.variable)}});
    }
    object["constraints"] = std::move(constraints);
    object["equations"] = texts(module.equations);
    return object;
}

// "Module.Name" -> value of every constraint variable, in model order.
Json valuesOf(const Vdn_DbMacro& macro) {
    Json values = Json::object();
    for (const Vdn_Module& module : macro.modules) {
        for (const Vdn_ConstraintVariable& variable : module.variables)
            values[utf8(module.name + L"." + variable.name)] = utf8(variable.value);
    }
    return values;
}

Json derivedOf(const Vdn_DbMacro& macro) {
    const Json values = valuesOf(macro);
    Json derived = Json::array();
    for (const Vdn_String& name : core::MacroRecalculation::order(macro))
        derived.push_back(Json{{"name", utf8(name)}, {"value", values.value(utf8(name), "")}});
    return derived;
}

void printShowText(const Json& shown) {
    std::printf("macro %s (%s), object %llu\n", shown["name"].get<std::string>().c_str(),
                shown["title"].get<std::string>().c_str(),
                shown["objectId"].get<unsigned long long>());
    for (const Json& tab : shown["tabs"]) {
        std::printf("tab %s (kind %d)\n", tab["name"].get<std::string>().c_str(),
                    tab["kind"].get<int>());
        for (const Json& cell : tab["cells"])
            std::printf("  cell %s = %s%s\n", cell["name"].get<std::string>().c_str(),
                        cell["value"].get<std::string>().c_str(),
                        cell["readOnly"].get<bool>() ? " (read-only)" : "");
        if (tab.contains("boltData"))
            std::printf("  bolts %s M%s\n", tab["boltData"]["assembly"].get<std::string>().c_str(),
                        tab["boltData"]["diameter"].get<std::string>().c_str());
        for (const char* part : {"patterns", "profiles", "arrays", "cuts"}) {
            if (!tab.contains(part))
                continue;
            for (const Json& item : tab[part])
                std::printf("  %.*s %s.%s\n", static_cast<int>(std::string(part).size() - 1), part,
                            item["module"].get<std::string>().c_str(),
                            item["name"].get<std::string>().c_str());
        }
    }
    for (const Json& module : shown["modules"]) {
        for (const Json& constraint : module["constraints"])
            std::printf("constraint %s #%d type %d\n", module["name"].get<std::string>().c_str(),
                        constraint["id"].get<int>(), constraint["type"].get<int>());
        for (const Json& equation : module["equations"])
            std::printf("equation %s: %s\n", module["name"].get<std::string>().c_str(),
                        equation.get<std::string>().c_str());
    }
    for (const Json& derived : shown["derived"])
        std::printf("derived %s = %s\n", derived["name"].get<std::string>().c_str(),
                    derived["value"].get<std::string>().c_str());
}

int showMacro(const MacroOptions& options) {
    AcDbObjectId id;
    if (!openMacro(options, id))
        return kExitFailed;
    const Vdn_DbMacro& macro = *Vdn_Drawing::current().macro(id);
    MacroData data;
    getMacroDataOf(AcArray<AcDbObjectId>{id}, data);
    Json tabs = Json::array();
    for (const MacroTabData& tab : data.tabs)
        tabs.push_back(tabJson(tab, macro));
    Json modules = Json::array();
    for (const Vdn_Module& module : macro.modules)
        modules.push_back(moduleJson(module));
    Json general = Json::object();
    for (const Vdn_GeneralVariable& variable : macro.generalVariables)
        general[utf8(variable.name)] = utf8(variable.value);
    const Json shown{{"name", utf8(macro.name)},   {"title", utf8(data.title)},
                     {"objectId", id.value()},     {"generalVariables", std::move(general)},
                     {"tabs", std::move(tabs)},    {"modules", std::move(modules)},
                     {"derived", derivedOf(macro)}};
    if (options.json)
        printJsonLine(shown);
    else
        printShowText(shown);
    return kExitOk;
}

// The tab whose cell NAME is to be set: the tab named module, or the tab of the module named
// module, or else the one tab that has such a cell.
bool findCellTab(const MacroData& data, const MacroOptions& options, const Vdn_String& name,
                 int& tabIndex, std::string& reason) {
    const Vdn_String module = Vdn_String::fromUtf8(options.module);
    std::vector<int> candidates;
    for (int t = 0; t < data.tabs.length(); ++t) {
        const MacroTabData& tab = data.tabs[t];
        if (!module.isEmpty() && !tab.name.equal(module, false) &&
            !tab.moduleNames.contains(module, false))
            continue;
        if (tab.findCellWithName(name) >= 0)
            candidates.push_back(t);
    }
    if (candidates.size() == 1) {
        tabIndex = candidates.front();
        return true;
    }
    reason = candidates.empty()
                 ? "no tab" + (module.isEmpty() ? std::string() : " of " + options.module) +
                       " has a value named \"" + utf8(name) + "\""
                 : "\"" + utf8(name) + "\" is on several tabs; name one with --module";
    return false;
}

// Prints (and with --out writes) what an update changed in the macro's variables.
int reportChanges(const MacroOptions& options, AcDbObjectId id, const Vdn_DbMacro& before) {
    const Vdn_DbMacro& after = *Vdn_Drawing::current().macro(id);
    Json changed = Json::array();
    for (int m = 0; m < after.modules.length(); ++m) {
        for (int v = 0; v < after.modules[m].variables.length(); ++v) {
            const Vdn_String& was = before.modules[m].variables[v].value;
            const Vdn_String& now = after.modules[m].variables[v].value;
            if (was != now)
                changed.push_back(Json{{"module", utf8(after.modules[m].name)},
                                       {"name", utf8(after.modules[m].variables[v].name)},
                                       {"old", utf8(was)},
                                       {"new", utf8(now)}});
        }
    }
    if (const auto failed = writeMacroOutput(id, options.out))
        return fail(*failed);
    if (options.json) {
        printJsonLine(Json{{"ok", true}, {"changed", changed}, {"values", valuesOf(after)}});
        return kExitOk;
    }
    for (const Json& change : changed)
        std::printf("%s.%s: %s -> %s\n", change["module"].get<std::string>().c_str(),
                    change["name"].get<std::string>().c_str(),
                    change["old"].get<std::string>().c_str(),
                    change["new"].get<std::string>().c_str());
    if (changed.empty())
        std::printf("nothing changed\n");
    return kExitOk;
}

int setMacro(const MacroOptions& options) {
    AcDbObjectId id;
    if (!openMacro(options, id))
        return kExitFailed;
    const Vdn_DbMacro before = *Vdn_Drawing::current().macro(id);
    MacroData data;
    getMacroDataOf(AcArray<AcDbObjectId>{id}, data);
    const MacroData old = data;
    for (const std::string& assignment : options.sets) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0)
            return fail("--set " + assignment + ": expected NAME=VALUE");
        const Vdn_String name = Vdn_String::fromUtf8(assignment.substr(0, equals));
        int tab = -1;
        std::string reason;
        if (!findCellTab(data, options, name, tab, reason))
            return fail(reason);
        MacroCell& cell = data.tabs[tab].cells[data.tabs[tab].findCellWithName(name)];
        if (cell.readOnly)
            return fail("\"" + utf8(name) +
                        "\" is derived or cannot be set; the model refuses "
                        "the change");
        // A value the cell cannot take (see cellValueProblem) is refused before the model sees
        // anything, so that the refusal changes nothing.
        const Vdn_String value = Vdn_String::fromUtf8(assignment.substr(equals + 1));
        if (const std::optional<Vdn_String> problem = cellValueProblem(cell, value))
            return fail(utf8(data.tabs[tab].name + L"." + cell.name + L": " + *problem));
        cell.value = value;
    }
    // Every tab goes through the update at once, so that a refusal changes nothing at all.
    Vdn_Array<int> changes;
    Vdn_Array<int> changedCells;
    for (int t = 0; t < data.tabs.length(); ++t) {
        Vdn_StringArray names;
        Vdn_Array<int> tabChanges;
        if (MacroTabData::differences(old.tabs[t], data.tabs[t], names, tabChanges, changedCells))
            changes.append(tabChanges);
    }
    if (!changes.isEmpty() && !setAllToMacro(data, changes, changedCells))
        return fail("the model refuses the change: " + utf8(Vdn_Drawing::current().lastMessage()));
    return reportChanges(options, id, before);
}

// The standards spreadsheets mapped onto the macro, evaluated as the macro dialog's "Load from
// standards" button does: all or nothing.
int loadMacroFromStandards(const MacroOptions& options) {
    const LoadedModule loadedModule(stderr);
    AcDbObjectId id;
    if (!openMacro(options, id))
        return kExitFailed;
    const Vdn_DbMacro before = *Vdn_Drawing::current().macro(id);
    MacroData data;
    getMacroDataOf(AcArray<AcDbObjectId>{id}, data);
    if (!data.loadFromStandards())
        return fail("the standards were not loaded: " + utf8(Vdn_Drawing::current().lastMessage()));
    return reportChanges(options, id, before);
}

} // namespace

void addMacroCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<MacroOptions>();
    CLI::App* macro = program.add_subcommand(
        "macro", "Show a macro file, or change its values through the model's update cycle");
    macro->require_subcommand(1);

    CLI::App* show = macro->add_subcommand(
        "show", "Every tab, cell, pattern, profile, array, cut, constraint, equation and "
                "derived value of the macro");
    show->add_option("FILE", options->file, "The macro file (.json)")->required();
    show->add_flag("--json", options->json,
                   "Print {\"name\":...,\"tabs\":[...],\"modules\":[...],\"derived\":[...]}");
    show->callback([options, &run] { run = [options] { return showMacro(*options); }; });

    CLI::App* set = macro->add_subcommand(
        "set", "Set values as the macro dialog does: write them, recalculate every derived "
               "value, run the clash check; a refused change changes nothing (exit 1)");
    set->add_option("FILE", options->file, "The macro file (.json)")->required();
    set->add_option("--set", options->sets, "NAME=VALUE: a value of a tab (repeatable)")
        ->required();
    set->add_option("--module", options->module,
                    "The tab, or a module of the tab, whose values NAME refers to");
    set->add_option("--out", options->out,
                    "Write the changed macro here (the input file is not changed otherwise)")
        ->check(outputPathCheck());
    set->add_flag("--json", options->json,
                  "Print {\"ok\":true,\"changed\":[{\"module\":...,\"name\":...,\"old\":...,"
                  "\"new\":...}],\"values\":{...}}");
    set->callback([options, &run] { run = [options] { return setMacro(*options); }; });

    CLI::App* standards = macro->add_subcommand(
        "standards", "Evaluate the standards spreadsheets mapped onto the macro (its settings' "
                     "mappings), recalculate and run the clash check; a failure changes nothing "
                     "(exit 1)");
    standards->add_option("FILE", options->file, "The macro file (.json)")->required();
    standards
        ->add_option("--out", options->out,
                     "Write the changed macro here (the input file is not changed otherwise)")
        ->check(outputPathCheck());
    standards->add_flag("--json", options->json,
                        "Print {\"ok\":true,\"changed\":[...],\"values\":{...}}");
    standards->callback(
        [options, &run] { run = [options] { return loadMacroFromStandards(*options); }; });
    addMacroDialogCommands(*macro, run);
}

} // namespace app
