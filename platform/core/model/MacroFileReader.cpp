// Reading a macro file (docs/macro-file.md) into a Vdn_DbMacro.
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/MacroRecalculation.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/text/JsonDocument.h"
#include "platform/core/text/NamedItems.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/core/text/TextCodec.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>

namespace {

using Json = nlohmann::ordered_json;

constexpr int kMaxNesting = 64;

// The top-level keys of the macro format. Each is optional, so a JSON object with none of them
// (the settings of the workshop drawings, the general variables) would read as an empty macro.
constexpr std::initializer_list<const char*> kMacroKeys = {
    "name", "title", "objectId", "tabs", "settings", "generalVariables", "baseProfiles", "modules"};

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Walks the parsed document; the first problem ends the walk and is kept as the error.
class MacroJsonReader {
public:
    bool read(const Json& root, Vdn_DbMacro& macro) {
        if (!root.is_object())
            return fail("", "the file does not hold a JSON object");
        return readMacro(root, macro);
    }
    const std::string& error() const { return error_; }

private:
    static std::string at(const std::string& where, const std::string& key) {
        return where.empty() ? key : where + "." + key;
    }
    static std::string at(const std::string& where, std::size_t index) {
        return where + "[" + std::to_string(index) + "]";
    }

    bool fail(const std::string& where, const std::string& what) {
        error_ = where.empty() ? what : where + ": " + what;
        return false;
    }

    // The value under key, or null when the key is absent.
    static const Json* member(const Json& object, const char* key) {
        const auto found = object.find(key);
        return found == object.end() ? nullptr : &*found;
    }

    bool text(const Json& object, const char* key, const std::string& where, Vdn_String& out,
              bool required) {
        const Json* value = member(object, key);
        if (!value)
            return !required || fail(at(where, key), "is missing");
        if (!value->is_string())
            return fail(at(where, key), "expected a text");
        out = Vdn_String::fromUtf8(value->get_ref<const std::string&>());
        if (required && out.isEmpty())
            return fail(at(where, key), "must not be empty");
        return true;
    }

    // A value given as a number or a text, kept as text.
    bool valueText(const Json& value, const std::string& where, Vdn_String& out) {
        if (value.is_string())
            out = Vdn_String::fromUtf8(value.get_ref<const std::string&>());
        else if (value.is_number())
            out = Vdn_String::fromUtf8(core::JsonDocument::numberText(value));
        else
            return fail(where, "expected a number or a text");
        return true;
    }

    bool value(const Json& object, const char* key, const std::string& where, Vdn_String& out) {
        const Json* found = member(object, key);
        return !found || valueText(*found, at(where, key), out);
    }

    bool boolean(const Json& value, const std::string& where, bool& out) {
        if (!value.is_boolean())
            return fail(where, "expected true or false");
        out = value.get<bool>();
        return true;
    }

    bool boolean(const Json& object, const char* key, const std::string& where, bool& out) {
        const Json* found = member(object, key);
        return !found || boolean(*found, at(where, key), out);
    }

    bool integer(const Json& object, const char* key, const std::string& where, int& out) {
        const Json* found = member(object, key);
        if (!found)
            return true;
        if (!found->is_number_integer())
            return fail(at(where, key), "expected a whole number");
        if (found->is_number_unsigned()
                ? found->get<std::uint64_t>() > INT_MAX
                : (found->get<std::int64_t>() > INT_MAX || found->get<std::int64_t>() < INT_MIN))
            return fail(at(where, key), "is out of range");
        out = found->get<int>();
        return true;
    }

    // A whole number that must lie in [low, high].
    bool integerIn(const Json& object, const char* key, const std::string& where, int& out, int low,
                   int high) {
        int number = out;
        if (!integer(object, key, where, number))
            return false;
        if (number < low || number > high)
            return fail(at(where, key), std::to_string(number) + " is not between " +
                                            std::to_string(low) + " and " + std::to_string(high));
        out = number;
        return true;
    }

    // An optional list of texts.
    bool texts(const Json& object, const char* key, const std::string& where,
               Vdn_StringArray& out) {
        const Json* array = nullptr;
        if (!list(object, key, where, array))
            return false;
        if (!array)
            return true;
        for (std::size_t i = 0; i < array->size(); ++i) {
            if (!(*array)[i].is_string())
                return fail(at(at(where, key), i), "expected a text");
            out.append(Vdn_String::fromUtf8((*array)[i].get_ref<const std::string&>()));
        }
        return true;
    }

    // An optional list of whole numbers.
    bool integers(const Json& object, const char* key, const std::string& where,
                  Vdn_Array<int>& out) {
        const Json* array = nullptr;
        if (!list(object, key, where, array))
            return false;
        if (!array)
            return true;
        for (std::size_t i = 0; i < array->size(); ++i) {
            const Json& item = (*array)[i];
            if (!item.is_number_integer())
                return fail(at(at(where, key), i), "expected a whole number");
            if (item.is_number_unsigned()
                    ? item.get<std::uint64_t>() > INT_MAX
                    : (item.get<std::int64_t>() > INT_MAX || item.get<std::int64_t>() < INT_MIN))
                return fail(at(at(where, key), i), "is out of range");
            out.append(item.get<int>());
        }
        return true;
    }

    // The list under key (null when absent); an error when it is not a list.
    bool list(const Json& object, const char* key, const std::string& where, const Json*& out) {
        out = member(object, key);
        return !out || out->is_array() || fail(at(where, key), "expected a list");
    }

    // Reads every element of the optional list under key with readOne into items.
    template <typename Item, typename ReadOne>
    bool objects(const Json& object, const char* key, const std::string& where,
                 Vdn_Array<Item>& items, ReadOne readOne) {
        const Json* array = nullptr;
        if (!list(object, key, where, array))
            return false;
        if (!array)
            return true;
        for (std::size_t i = 0; i < array->size(); ++i) {
            const std::string itemWhere = at(at(where, key), i);
            const Json& element = (*array)[i];
            if (!element.is_object())
                return fail(itemWhere, "expected an object");
            Item item;
            if (!(this->*readOne)(element, itemWhere, item))
                return false;
            items.append(std::move(item));
        }
        return true;
    }

    template <typename Item>
    bool uniqueNames(const Vdn_Array<Item>& items, const std::string& where) {
        Vdn_StringArray names;
        for (const Item& item : items)
            names.append(item.name);
        Vdn_StringArray duplicates;
        if (!hasDuplicates(names, false, duplicates))
            return true;
        return fail(where, "the name " + quoted(duplicates.first().toUtf8()) +
                               " occurs more than once (names are compared without regard "
                               "to case)");
    }

    static void keepExtras(const Json& object, std::initializer_list<const char*> known,
                           core::JsonExtras& extras) {
        for (const auto& item : object.items()) {
            const std::string& key = item.key();
            const bool isKnown = std::any_of(known.begin(), known.end(),
                                             [&key](const char* name) { return key == name; });
            if (!isKnown)
                extras.add(key, item.value().dump(-1, ' ', false, Json::error_handler_t::replace));
        }
    }

    bool readMacro(const Json& root, Vdn_DbMacro& macro) {
        const std::string where;
        if (!isMacro(root))
            return notAMacro();
        if (!text(root, "name", where, macro.name, false) ||
            !text(root, "title", where, macro.title, false) || !readObjectId(root, macro) ||
            !objects(root, "tabs", where, macro.tabs, &MacroJsonReader::readTab) ||
            !readSettings(root, macro.settings) || !uniqueNames(macro.tabs, "tabs") ||
            !objects(root, "generalVariables", where, macro.generalVariables,
                     &MacroJsonReader::readGeneralVariable) ||
            !uniqueNames(macro.generalVariables, "generalVariables") ||
            !objects(root, "baseProfiles", where, macro.baseProfiles,
                     &MacroJsonReader::readBaseProfile) ||
            !objects(root, "modules", where, macro.modules, &MacroJsonReader::readModule) ||
            !uniqueNames(macro.modules, "modules") || !tabsOfModules(macro))
            return false;
        std::string equationWhere;
        std::string equationReason;
        if (!core::MacroRecalculation::check(macro, equationWhere, equationReason))
            return fail(equationWhere, equationReason);
        keepExtras(root, kMacroKeys, macro.extras);
        return true;
    }

    static bool isMacro(const Json& root) {
        return std::any_of(kMacroKeys.begin(), kMacroKeys.end(),
                           [&root](const char* key) { return root.contains(key); });
    }

    bool notAMacro() {
        std::string keys;
        for (const char* key : kMacroKeys)
            keys += (keys.empty() ? "" : ", ") + quoted(key);
        return fail("", "not a macro file (it has none of the keys of a macro: " + keys + ")");
    }

    bool realNumber(const Json& value, const std::string& where, double& out) {
        if (!value.is_number())
            return fail(where, "expected a number");
        out = value.get<double>();
        return true;
    }

    // A list of exactly Count numbers.
    template <std::size_t Count>
    bool numbers(const Json& object, const char* key, const std::string& where,
                 std::array<double, Count>& out) {
        const Json* array = nullptr;
        if (!list(object, key, where, array))
            return false;
        if (!array)
            return true;
        if (array->size() != Count)
            return fail(at(where, key), "expected " + std::to_string(Count) + " numbers, found " +
                                            std::to_string(array->size()));
        for (std::size_t i = 0; i < Count; ++i) {
            if (!realNumber((*array)[i], at(at(where, key), i), out[i]))
                return false;
        }
        return true;
    }

    bool readAxisFilter(const Json& object, const std::string& where,
                        MacroSettingsData::AxisAngleFilter& filter) {
        if (!text(object, "name", where, filter.name, true) ||
            !boolean(object, "enabled", where, filter.enabled) ||
            !integer(object, "mode", where, filter.mode) ||
            !numbers(object, "angles", where, filter.angles))
            return false;
        keepExtras(object, {"name", "enabled", "mode", "angles"}, filter.extras);
        return true;
    }

    bool readSectionFilter(const Json& object, const std::string& where,
                           MacroSettingsData::SectionAngleFilter& filter) {
        if (!text(object, "name", where, filter.name, true) ||
            !boolean(object, "enabled", where, filter.enabled))
            return false;
        const Json* pairs = nullptr;
        if (!list(object, "anglePairs", where, pairs))
            return false;
        for (std::size_t i = 0; pairs && i < pairs->size(); ++i) {
            const std::string pairWhere = at(at(where, "anglePairs"), i);
            const Json& pair = (*pairs)[i];
            if (!pair.is_array() || pair.size() != 2)
                return fail(pairWhere, "expected a pair of numbers");
            for (std::size_t j = 0; j < 2; ++j) {
                double angle = 0;
                if (!realNumber(pair[j], at(pairWhere, j), angle))
                    return false;
                filter.anglePairs.append(angle);
            }
        }
        keepExtras(object, {"name", "enabled", "anglePairs"}, filter.extras);
        return true;
    }

    template <int Count>
    bool readValueFilter(const Json& object, const std::string& where,
                         MacroSettingsData::ValueFilter<Count>& filter) {
        if (!text(object, "name", where, filter.name, true) ||
            !boolean(object, "enabled", where, filter.enabled) ||
            !numbers(object, "values", where, filter.values))
            return false;
        keepExtras(object, {"name", "enabled", "values"}, filter.extras);
        return true;
    }

    bool readFilterProperty(const Json& object, const std::string& where,
                            MacroSettingsData::FilterProperty& property) {
        if (!text(object, "name", where, property.name, true) ||
            !texts(object, "texts", where, property.texts) ||
            !text(object, "picture", where, property.picture, false))
            return false;
        keepExtras(object, {"name", "texts", "picture"}, property.extras);
        return true;
    }

    bool readGroup(const Json& object, const std::string& where,
                   MacroSettingsData::GroupEntry& group) {
        if (!text(object, "name", where, group.name, false) ||
            !text(object, "text", where, group.text, false) ||
            !integer(object, "number", where, group.number))
            return false;
        keepExtras(object, {"name", "text", "number"}, group.extras);
        return true;
    }

    bool readVariableOptions(const Json& settings, const std::string& where,
                             MacroSettingsData& out) {
        const Json* options = member(settings, "variableOptions");
        if (!options)
            return true;
        const std::string optionsWhere = at(where, "variableOptions");
        if (!options->is_object())
            return fail(optionsWhere, "expected an object");
        const Json* variables = nullptr;
        if (!integerIn(*options, "first", optionsWhere, out.variableChoice1, 0, 2) ||
            !integerIn(*options, "second", optionsWhere, out.variableChoice2, 0, 2) ||
            !integer(*options, "number", optionsWhere, out.variableNumber) ||
            !list(*options, "variables", optionsWhere, variables))
            return false;
        for (std::size_t i = 0; variables && i < variables->size(); ++i) {
            const std::string variableWhere = at(at(optionsWhere, "variables"), i);
            const Json& variable = (*variables)[i];
            if (!variable.is_object())
                return fail(variableWhere, "expected an object");
            Vdn_String name;
            double value = 0;
            const Json* valueJson = member(variable, "value");
            if (!text(variable, "name", variableWhere, name, true) ||
                (valueJson && !realNumber(*valueJson, at(variableWhere, "value"), value)))
                return false;
            out.variableNames.append(name);
            out.variableValues.append(value);
        }
        return true;
    }

    bool readMappings(const Json& settings, const std::string& where, TabMappingData& mapping) {
        const Json* rows = nullptr;
        if (!list(settings, "mappings", where, rows))
            return false;
        for (std::size_t i = 0; rows && i < rows->size(); ++i) {
            const std::string rowWhere = at(at(where, "mappings"), i);
            const Json& row = (*rows)[i];
            if (!row.is_object())
                return fail(rowWhere, "expected an object");
            Vdn_String spreadsheet;
            Vdn_String target;
            Vdn_String module;
            if (!text(row, "spreadsheet", rowWhere, spreadsheet, true) ||
                !text(row, "target", rowWhere, target, false) ||
                !text(row, "module", rowWhere, module, false))
                return false;
            mapping.spreadsheets.append(spreadsheet);
            mapping.targets.append(target);
            mapping.moduleNames.append(module);
        }
        return true;
    }

    bool readSettings(const Json& root, MacroSettingsData& settings) {
        const Json* object = member(root, "settings");
        if (!object)
            return true;
        const std::string where = "settings";
        if (!object->is_object())
            return fail(where, "expected an object");
        if (!boolean(*object, "filter", where, settings.filterOn) ||
            !objects(*object, "axisFilters", where, settings.axisFilters,
                     &MacroJsonReader::readAxisFilter) ||
            !objects(*object, "sectionFilters", where, settings.sectionFilters,
                     &MacroJsonReader::readSectionFilter) ||
            !boolean(*object, "secondFilter", where, settings.secondFilterOn) ||
            !objects(*object, "pathDistanceFilters", where, settings.pathDistanceFilters,
                     &MacroJsonReader::readValueFilter<2>) ||
            !objects(*object, "sectionSizeFilters", where, settings.sectionSizeFilters,
                     &MacroJsonReader::readValueFilter<4>) ||
            !objects(*object, "filterProperties", where, settings.filterProperties,
                     &MacroJsonReader::readFilterProperty) ||
            !readVariableOptions(*object, where, settings) ||
            !text(*object, "groupText1", where, settings.groupText1, false) ||
            !text(*object, "groupText2", where, settings.groupText2, false) ||
            !objects(*object, "groups", where, settings.groups, &MacroJsonReader::readGroup) ||
            !readMappings(*object, where, settings.mapping))
            return false;
        keepExtras(*object,
                   {"filter", "axisFilters", "sectionFilters", "secondFilter",
                    "pathDistanceFilters", "sectionSizeFilters", "filterProperties",
                    "variableOptions", "groupText1", "groupText2", "groups", "mappings"},
                   settings.extras);
        return true;
    }

    // Every tab the macro describes is the tab of one of its modules.
    bool tabsOfModules(const Vdn_DbMacro& macro) {
        for (int t = 0; t < macro.tabs.length(); ++t) {
            bool found = false;
            for (const Vdn_Module& module : macro.modules)
                found = found || module.tabName().equal(macro.tabs[t].name, false);
            if (!found)
                return fail(at(at("tabs", static_cast<std::size_t>(t)), "name"),
                            "no module is on the tab " + quoted(macro.tabs[t].name.toUtf8()));
        }
        return true;
    }

    bool readObjectId(const Json& root, Vdn_DbMacro& macro) {
        const Json* id = member(root, "objectId");
        if (!id)
            return true;
        if (!id->is_number_unsigned() && !(id->is_number_integer() && id->get<std::int64_t>() >= 0))
            return fail("objectId", "expected a whole number that is not negative");
        macro.objectId = id->get<std::uint64_t>();
        return true;
    }

    bool readTab(const Json& object, const std::string& where, Vdn_MacroTab& tab) {
        if (!text(object, "name", where, tab.name, true) ||
            !integerIn(object, "kind", where, tab.kind, -1, 3) ||
            !text(object, "design", where, tab.design, false) ||
            !boolean(object, "blockReference", where, tab.blockReference) ||
            !text(object, "blockName", where, tab.blockName, false) ||
            !integerIn(object, "view", where, tab.view, 0, 3))
            return false;
        keepExtras(object, {"name", "kind", "design", "blockReference", "blockName", "view"},
                   tab.extras);
        return true;
    }

    bool readGeneralVariable(const Json& object, const std::string& where,
                             Vdn_GeneralVariable& variable) {
        if (!text(object, "name", where, variable.name, true) ||
            !value(object, "value", where, variable.value))
            return false;
        keepExtras(object, {"name", "value"}, variable.extras);
        return true;
    }

    bool readBaseProfile(const Json& object, const std::string& where, Vdn_BaseProfile& profile) {
        if (!text(object, "section", where, profile.section, false) ||
            !text(object, "material", where, profile.material, false))
            return false;
        keepExtras(object, {"section", "material"}, profile.extras);
        return true;
    }

    bool readKind(const Json& object, const std::string& where, Vdn_Module::Kind& kind) {
        Vdn_String kindText(L"other");
        if (!text(object, "kind", where, kindText, false))
            return false;
        static constexpr std::pair<const wchar_t*, Vdn_Module::Kind> kKinds[] = {
            {L"bolt", Vdn_Module::Kind::Bolt},
            {L"profile", Vdn_Module::Kind::Profile},
            {L"plate", Vdn_Module::Kind::Plate},
            {L"other", Vdn_Module::Kind::Other}};
        for (const auto& [name, value] : kKinds) {
            if (kindText == Vdn_String(name)) {
                kind = value;
                return true;
            }
        }
        return fail(at(where, "kind"), "unknown module kind " + quoted(kindText.toUtf8()) +
                                           " (expected \"bolt\", \"profile\", \"plate\" or "
                                           "\"other\")");
    }

    bool readModule(const Json& object, const std::string& where, Vdn_Module& module) {
        if (!text(object, "name", where, module.name, true) ||
            !text(object, "group", where, module.group, false) ||
            !readKind(object, where, module.kind) ||
            !objects(object, "variables", where, module.variables,
                     &MacroJsonReader::readVariable) ||
            !uniqueNames(module.variables, at(where, "variables")) ||
            !objects(object, "cuts", where, module.cuts, &MacroJsonReader::readCut) ||
            !uniqueNames(module.cuts, at(where, "cuts")) ||
            !objects(object, "profiles", where, module.profiles, &MacroJsonReader::readPlacement))
            return false;
        for (const char* boltKey : {"boltData", "patterns"}) {
            if (!module.isBoltModule() && member(object, boltKey))
                return fail(at(where, boltKey), "only a bolt module has " + std::string(boltKey));
        }
        if (const Json* boltData = member(object, "boltData")) {
            if (!boltData->is_object())
                return fail(at(where, "boltData"), "expected an object");
            if (!readBoltData(*boltData, at(where, "boltData"), module.boltData))
                return false;
        }
        if (!objects(object, "patterns", where, module.patterns, &MacroJsonReader::readPattern) ||
            !uniqueNames(module.patterns, at(where, "patterns")) ||
            !objects(object, "geometries", where, module.geometries,
                     &MacroJsonReader::readGeometry) ||
            !uniqueIds(module.geometries, at(where, "geometries")) ||
            !objects(object, "constraints", where, module.constraints,
                     &MacroJsonReader::readConstraint) ||
            !uniqueIds(module.constraints, at(where, "constraints")) ||
            !constraintReferences(module, at(where, "constraints")) ||
            !objects(object, "arrays", where, module.arrays, &MacroJsonReader::readArray) ||
            !uniqueNames(module.arrays, at(where, "arrays")) ||
            !texts(object, "equations", where, module.equations))
            return false;
        keepExtras(object,
                   {"name", "group", "kind", "variables", "cuts", "profiles", "boltData",
                    "patterns", "geometries", "constraints", "arrays", "equations"},
                   module.extras);
        return true;
    }

    template <typename Item>
    bool uniqueIds(const Vdn_Array<Item>& items, const std::string& where) {
        for (int i = 0; i < items.length(); ++i) {
            for (int j = 0; j < i; ++j) {
                if (items[i].id == items[j].id)
                    return fail(at(at(where, static_cast<std::size_t>(i)), "id"),
                                "the id " + std::to_string(items[i].id) + " occurs more than once");
            }
        }
        return true;
    }

    // Every geometry a constraint binds and every variable it names exists in the module.
    bool constraintReferences(const Vdn_Module& module, const std::string& where) {
        for (int c = 0; c < module.constraints.length(); ++c) {
            const Vdn_Constraint& constraint = module.constraints[c];
            const std::string constraintWhere = at(where, static_cast<std::size_t>(c));
            for (int g = 0; g < constraint.geometries.length(); ++g) {
                const int id = constraint.geometries[g];
                bool found = false;
                for (const Vdn_Geometry& geometry : module.geometries)
                    found = found || geometry.id == id;
                if (!found)
                    return fail(at(at(constraintWhere, "geometries"), static_cast<std::size_t>(g)),
                                "no geometry has id " + std::to_string(id));
            }
            if (!constraint.variable.isEmpty() &&
                core::indexOfName(module.variables, constraint.variable) < 0)
                return fail(at(constraintWhere, "variable"),
                            "no variable of the module is named " +
                                quoted(constraint.variable.toUtf8()));
        }
        return true;
    }

    bool readGeometry(const Json& object, const std::string& where, Vdn_Geometry& geometry) {
        if (!integer(object, "id", where, geometry.id) ||
            !integer(object, "kind", where, geometry.kind) ||
            !texts(object, "cells", where, geometry.cells) ||
            !text(object, "nameTag", where, geometry.nameTag, false) ||
            !integerIn(object, "flexibility", where, geometry.flexibility, 0, 2) ||
            !boolean(object, "construction", where, geometry.construction))
            return false;
        keepExtras(object, {"id", "kind", "cells", "nameTag", "flexibility", "construction"},
                   geometry.extras);
        return true;
    }

    bool readConstraint(const Json& object, const std::string& where, Vdn_Constraint& constraint) {
        if (!integer(object, "id", where, constraint.id) ||
            !integer(object, "type", where, constraint.type) ||
            !integers(object, "geometries", where, constraint.geometries) ||
            !value(object, "value", where, constraint.value) ||
            !text(object, "variable", where, constraint.variable, false) ||
            !integerIn(object, "choice", where, constraint.choice, -1, INT_MAX) ||
            !boolean(object, "firstFlag", where, constraint.firstFlag) ||
            !boolean(object, "secondFlag", where, constraint.secondFlag) ||
            !texts(object, "images", where, constraint.images) ||
            !integers(object, "imageSelections", where, constraint.imageSelections) ||
            !boolean(object, "cut", where, constraint.cut) ||
            !text(object, "cutName", where, constraint.cutName, false))
            return false;
        keepExtras(object,
                   {"id", "type", "geometries", "value", "variable", "choice", "firstFlag",
                    "secondFlag", "images", "imageSelections", "cut", "cutName"},
                   constraint.extras);
        return true;
    }

    bool readArray(const Json& object, const std::string& where, Vdn_DynArray& array) {
        if (!text(object, "name", where, array.name, true) ||
            !integerIn(object, "kind", where, array.kind, 0, 3) ||
            !texts(object, "texts", where, array.texts) ||
            !texts(object, "furtherTexts", where, array.furtherTexts) ||
            !boolean(object, "option", where, array.option) ||
            !boolean(object, "alternating", where, array.alternating) ||
            !text(object, "design", where, array.design, false) ||
            !texts(object, "entries", where, array.entries) ||
            !integers(object, "entryNumbers", where, array.entryNumbers) ||
            !booleans(object, "entryFlags", where, array.entryFlags))
            return false;
        if (array.texts.length() > Vdn_DynArray::kTextCount)
            return fail(at(where, "texts"), "expected at most 5 entries");
        if (array.furtherTexts.length() > Vdn_DynArray::kFurtherTextCount)
            return fail(at(where, "furtherTexts"), "expected at most 5 entries");
        while (array.texts.length() < Vdn_DynArray::kTextCount)
            array.texts.append(Vdn_String());
        while (array.furtherTexts.length() < Vdn_DynArray::kFurtherTextCount)
            array.furtherTexts.append(Vdn_String());
        const std::size_t entryCount = static_cast<std::size_t>(array.entries.length());
        if (member(object, "entryNumbers") &&
            static_cast<std::size_t>(array.entryNumbers.length()) != entryCount)
            return fail(at(where, "entryNumbers"),
                        "expected " + std::to_string(entryCount) + " entries, as many as entries");
        if (member(object, "entryFlags") && array.entryFlags.size() != entryCount)
            return fail(at(where, "entryFlags"),
                        "expected " + std::to_string(entryCount) + " entries, as many as entries");
        while (static_cast<std::size_t>(array.entryNumbers.length()) < entryCount)
            array.entryNumbers.append(0);
        array.entryFlags.resize(entryCount, false);
        keepExtras(object,
                   {"name", "kind", "texts", "furtherTexts", "option", "alternating", "design",
                    "entries", "entryNumbers", "entryFlags"},
                   array.extras);
        return true;
    }

    // An optional list of flags.
    bool booleans(const Json& object, const char* key, const std::string& where,
                  std::vector<bool>& out) {
        const Json* array = nullptr;
        if (!list(object, key, where, array))
            return false;
        for (std::size_t i = 0; array && i < array->size(); ++i) {
            bool flag = false;
            if (!boolean((*array)[i], at(at(where, key), i), flag))
                return false;
            out.push_back(flag);
        }
        return true;
    }

    bool bound(const Json& object, const char* key, const std::string& where, Vdn_String& out) {
        if (!value(object, key, where, out))
            return false;
        return out.isEmpty() || isNumber(out) ||
               fail(at(where, key), quoted(out.toUtf8()) + " is not a number");
    }

    bool readCellKind(const Json& object, const std::string& where, int& cellKind) {
        Vdn_String kindText;
        if (!member(object, "cellKind"))
            return true;
        if (!text(object, "cellKind", where, kindText, false))
            return false;
        static constexpr const wchar_t* kKinds[] = {L"number", L"text", L"list", L"editableList",
                                                    L"check"};
        for (int i = 0; i < 5; ++i) {
            if (kindText == Vdn_String(kKinds[i])) {
                cellKind = i + 1;
                return true;
            }
        }
        return fail(at(where, "cellKind"),
                    "unknown cell kind " + quoted(kindText.toUtf8()) +
                        " (expected \"number\", \"text\", \"list\", \"editableList\" or "
                        "\"check\")");
    }

    bool readVariable(const Json& object, const std::string& where,
                      Vdn_ConstraintVariable& variable) {
        if (!text(object, "name", where, variable.name, true) ||
            !value(object, "value", where, variable.value) ||
            !boolean(object, "shown", where, variable.shown) ||
            !boolean(object, "settable", where, variable.settable) ||
            !integerIn(object, "kind", where, variable.kind, 0, 7) ||
            !readCellKind(object, where, variable.cellKind) ||
            !text(object, "displayName", where, variable.displayName, false) ||
            !texts(object, "items", where, variable.items) ||
            !bound(object, "minimum", where, variable.minimum) ||
            !bound(object, "maximum", where, variable.maximum))
            return false;
        if (const Json* flex = member(object, "flex")) {
            bool flexible = false;
            if (!boolean(*flex, at(where, "flex"), flexible))
                return false;
            variable.flex = flexible;
        }
        keepExtras(object,
                   {"name", "value", "shown", "settable", "flex", "kind", "cellKind", "displayName",
                    "items", "minimum", "maximum"},
                   variable.extras);
        return true;
    }

    bool readCut(const Json& object, const std::string& where, Vdn_CutConstraint& cut) {
        if (!text(object, "name", where, cut.name, true) ||
            !integer(object, "type", where, cut.type) ||
            !text(object, "description", where, cut.description, false) ||
            !integerIn(object, "state", where, cut.state, 0, 3) ||
            !integer(object, "side", where, cut.side) ||
            !text(object, "cutter", where, cut.cutter, false) ||
            !text(object, "profile", where, cut.profile, false) ||
            !boolean(object, "bevelFlanges", where, cut.bevelFlanges) ||
            !boolean(object, "bevelWeb", where, cut.bevelWeb) ||
            !boolean(object, "option", where, cut.option) || !readInDialog(object, where, cut))
            return false;
        const Json* offsets = nullptr;
        if (!list(object, "offsets", where, offsets))
            return false;
        if (offsets) {
            const std::string offsetsWhere = at(where, "offsets");
            if (offsets->size() != Vdn_CutConstraint::kOffsetTypeCount)
                return fail(offsetsWhere, "expected 9 entries (offset types 0 to 8), found " +
                                              std::to_string(offsets->size()));
            for (std::size_t type = 0; type < offsets->size(); ++type) {
                const Json& offset = (*offsets)[type];
                if (offset.is_null())
                    continue;
                Vdn_String offsetText;
                if (!valueText(offset, at(offsetsWhere, type), offsetText))
                    return false;
                if (!isNumber(offsetText))
                    return fail(at(offsetsWhere, type),
                                quoted(offsetText.toUtf8()) + " is not a number");
                cut.offsets[type] = offsetText;
            }
        }
        keepExtras(object,
                   {"name", "type", "offsets", "description", "state", "side", "cutter", "profile",
                    "inDialog", "bevelFlanges", "bevelWeb", "option"},
                   cut.extras);
        return true;
    }

    // "inDialog": the offset types (0 to 8) the macro dialog shows, each once.
    bool readInDialog(const Json& object, const std::string& where, Vdn_CutConstraint& cut) {
        const Json* types = nullptr;
        if (!list(object, "inDialog", where, types))
            return false;
        if (!types)
            return true;
        const std::string typesWhere = at(where, "inDialog");
        for (std::size_t i = 0; i < types->size(); ++i) {
            const Json& entry = (*types)[i];
            if (!entry.is_number_integer() || entry.get<long long>() < 0 ||
                entry.get<long long>() >= Vdn_CutConstraint::kOffsetTypeCount)
                return fail(at(typesWhere, i), "expected an offset type from 0 to 8");
            bool& shown = cut.inDialog[entry.get<std::size_t>()];
            if (shown)
                return fail(at(typesWhere, i), "offset type " +
                                                   std::to_string(entry.get<long long>()) +
                                                   " is named twice");
            shown = true;
        }
        return true;
    }

    bool readPlacement(const Json& object, const std::string& where,
                       Vdn_ProfilePlacement& placement) {
        if (!text(object, "name", where, placement.name, false) ||
            !text(object, "section", where, placement.section, false) ||
            !text(object, "material", where, placement.material, false) ||
            !text(object, "memberName", where, placement.memberName, false) ||
            !integer(object, "offsetType", where, placement.offsetType) ||
            !readRotation(object, where, placement.rotation) ||
            !text(object, "basePlane", where, placement.basePlane, false) ||
            !text(object, "coordinateSystem", where, placement.coordinateSystem, false) ||
            !real(object, "secondValue", where, placement.secondValue) ||
            !integerIn(object, "planeAxis", where, placement.planeAxis, 0, 2) ||
            !boolean(object, "morphed", where, placement.morphed) ||
            !text(object, "endSection", where, placement.endSection, false) ||
            !text(object, "morphStartText", where, placement.morphStartText, false) ||
            !text(object, "morphEndText", where, placement.morphEndText, false) ||
            !boolean(object, "mirrored", where, placement.mirrored) ||
            !boolean(object, "extended", where, placement.extended) ||
            !real(object, "extension", where, placement.extension) ||
            !objects(object, "segments", where, placement.segments, &MacroJsonReader::readSegment))
            return false;
        keepExtras(object,
                   {"name", "section", "material", "memberName", "offsetType", "rotation",
                    "basePlane", "coordinateSystem", "secondValue", "planeAxis", "morphed",
                    "endSection", "morphStartText", "morphEndText", "mirrored", "extended",
                    "extension", "segments"},
                   placement.extras);
        return true;
    }

    bool readSegment(const Json& object, const std::string& where, MacroProfSegment& segment) {
        if (!text(object, "name", where, segment.name, false) ||
            !text(object, "secondText", where, segment.secondText, false) ||
            !real(object, "length", where, segment.length) ||
            !boolean(object, "flag", where, segment.flag) ||
            !objects(object, "values", where, segment.values, &MacroJsonReader::readValuePair))
            return false;
        keepExtras(object, {"name", "secondText", "length", "flag", "values"}, segment.extras);
        return true;
    }

    bool readValuePair(const Json& object, const std::string& where,
                       MacroProfSegment::ValuePair& pair) {
        if (!value(object, "number", where, pair.number) ||
            !value(object, "value", where, pair.value))
            return false;
        keepExtras(object, {"number", "value"}, pair.extras);
        return true;
    }

    // An optional finite number.
    bool real(const Json& object, const char* key, const std::string& where, double& out) {
        const Json* found = member(object, key);
        if (!found)
            return true;
        double number = 0.0;
        if (!realNumber(*found, at(where, key), number))
            return false;
        if (!std::isfinite(number))
            return fail(at(where, key), "is out of range");
        out = number;
        return true;
    }

    // A list of at most Count texts into a fixed array (missing ones empty).
    template <std::size_t Count>
    bool fixedTexts(const Json& object, const char* key, const std::string& where,
                    std::array<Vdn_String, Count>& out) {
        Vdn_StringArray list;
        if (!texts(object, key, where, list))
            return false;
        if (static_cast<std::size_t>(list.length()) > Count)
            return fail(at(where, key), "expected at most " + std::to_string(Count) + " texts");
        for (int i = 0; i < list.length(); ++i)
            out[static_cast<std::size_t>(i)] = list[i];
        return true;
    }

    // A list of exactly Count whole numbers, each in [low, high].
    template <std::size_t Count>
    bool states(const Json& object, const char* key, const std::string& where,
                std::array<int, Count>& out, int low, int high) {
        Vdn_Array<int> list;
        if (!integers(object, key, where, list))
            return false;
        if (!member(object, key))
            return true;
        if (static_cast<std::size_t>(list.length()) != Count)
            return fail(at(where, key), "expected " + std::to_string(Count) + " entries, found " +
                                            std::to_string(list.length()));
        for (int i = 0; i < list.length(); ++i) {
            if (list[i] < low || list[i] > high)
                return fail(at(at(where, key), static_cast<std::size_t>(i)),
                            std::to_string(list[i]) + " is not between " + std::to_string(low) +
                                " and " + std::to_string(high));
            out[static_cast<std::size_t>(i)] = list[i];
        }
        return true;
    }

    bool readBoltEntry(const Json& object, const std::string& where, BoltDetails::Entry& entry) {
        if (!integerIn(object, "active", where, entry.active, 0, 2) ||
            !integerIn(object, "selection", where, entry.selection, -1, INT_MAX) ||
            !fixedTexts(object, "texts", where, entry.texts))
            return false;
        keepExtras(object, {"active", "selection", "texts"}, entry.extras);
        return true;
    }

    bool readBoltDetails(const Json& object, const std::string& where, BoltDetails& details) {
        if (!fixedTexts(object, "texts", where, details.texts) ||
            !integerIn(object, "count", where, details.count, 0, INT_MAX) ||
            !boolean(object, "flag", where, details.flag) ||
            !states(object, "options", where, details.options, 0, 2) ||
            !states(object, "optionalOptions", where, details.optionalOptions, -1, 2) ||
            !objects(object, "entries", where, details.entries, &MacroJsonReader::readBoltEntry))
            return false;
        const Json* columns = member(object, "holeColumns");
        if (!columns)
            return true;
        const std::string columnsWhere = at(where, "holeColumns");
        if (!columns->is_object())
            return fail(columnsWhere, "expected an object");
        if (!integers(*columns, "numbers", columnsWhere, details.holeColumnNumbers) ||
            !texts(*columns, "texts", columnsWhere, details.holeColumnTexts))
            return false;
        if (details.holeColumnNumbers.length() != details.holeColumnTexts.length())
            return fail(columnsWhere, "expected as many texts as numbers");
        return true;
    }

    bool readRotation(const Json& object, const std::string& where, int& rotation) {
        // Given as a number or a text ("90"), as files written before the key was known did.
        Vdn_String degreesText(L"0");
        if (!value(object, "rotation", where, degreesText))
            return false;
        bool whole = false;
        const int degrees = degreesText.toInt(&whole);
        if (!whole)
            return fail(at(where, "rotation"),
                        quoted(degreesText.toUtf8()) + " is not 0, 90, 180 or 270 degrees");
        if (degrees != 0 && degrees != 90 && degrees != 180 && degrees != 270)
            return fail(at(where, "rotation"),
                        std::to_string(degrees) + " is not 0, 90, 180 or 270 degrees");
        rotation = degrees;
        return true;
    }

    bool readBoltData(const Json& object, const std::string& where, Vdn_BoltData& boltData) {
        if (!text(object, "assembly", where, boltData.assembly, false) ||
            !value(object, "diameter", where, boltData.diameter) ||
            !value(object, "holeOffset", where, boltData.holeOffset) ||
            !readBoltDetails(object, where, boltData.details))
            return false;
        keepExtras(object,
                   {"assembly", "diameter", "holeOffset", "texts", "count", "flag", "options",
                    "optionalOptions", "holeColumns", "entries"},
                   boltData.extras);
        return true;
    }

    bool readPattern(const Json& object, const std::string& where, Vdn_BoltPattern& pattern) {
        if (!text(object, "name", where, pattern.name, true) ||
            !integer(object, "typeCode", where, pattern.typeCode))
            return false;
        const Json* nrBolts = nullptr;
        if (!list(object, "nrBolts", where, nrBolts))
            return false;
        if (!nrBolts)
            return fail(at(where, "nrBolts"), "is missing");
        if (nrBolts->empty() || nrBolts->size() > 2)
            return fail(at(where, "nrBolts"), "expected 1 or 2 entries (one per direction)");
        for (std::size_t i = 0; i < nrBolts->size(); ++i) {
            Vdn_String count;
            if (!valueText((*nrBolts)[i], at(at(where, "nrBolts"), i), count))
                return false;
            pattern.nrBolts.append(count);
        }
        pattern.reverseStart.assign(nrBolts->size(), false);
        const Json* reverseStart = nullptr;
        if (!list(object, "reverseStart", where, reverseStart))
            return false;
        if (reverseStart) {
            if (reverseStart->size() != nrBolts->size())
                return fail(at(where, "reverseStart"), "expected " +
                                                           std::to_string(nrBolts->size()) +
                                                           " entries, as many as nrBolts");
            for (std::size_t i = 0; i < reverseStart->size(); ++i) {
                bool reverse = false;
                if (!boolean((*reverseStart)[i], at(at(where, "reverseStart"), i), reverse))
                    return false;
                pattern.reverseStart[i] = reverse;
            }
        }
        if (!value(object, "values", where, pattern.values) ||
            !value(object, "count", where, pattern.count) ||
            !boolean(object, "button", where, pattern.button) ||
            !boolean(object, "mirrored", where, pattern.mirrored) ||
            !readDirections(object, where, nrBolts->size(), pattern.directions))
            return false;
        std::vector<bool> alternation;
        if (!booleans(object, "alternation", where, alternation))
            return false;
        if (member(object, "alternation")) {
            if (alternation.size() != pattern.alternation.size())
                return fail(at(where, "alternation"),
                            "expected 3 entries, found " + std::to_string(alternation.size()));
            for (std::size_t i = 0; i < alternation.size(); ++i)
                pattern.alternation[i] = alternation[i];
        }
        keepExtras(object,
                   {"name", "typeCode", "nrBolts", "reverseStart", "values", "count", "button",
                    "directions", "mirrored", "alternation"},
                   pattern.extras);
        return true;
    }

    bool readDirections(const Json& object, const std::string& where, std::size_t directionCount,
                        std::vector<Vdn_BoltPattern::Direction>& directions) {
        Vdn_Array<Vdn_BoltPattern::Direction> read;
        if (!objects(object, "directions", where, read, &MacroJsonReader::readDirection))
            return false;
        if (static_cast<std::size_t>(read.length()) > directionCount)
            return fail(at(where, "directions"), "expected at most " +
                                                     std::to_string(directionCount) +
                                                     " entries, as many as nrBolts");
        directions.assign(read.begin(), read.end());
        return true;
    }

    bool readDirection(const Json& object, const std::string& where,
                       Vdn_BoltPattern::Direction& direction) {
        if (!integerIn(object, "spacing", where, direction.spacing, 0,
                       Vdn_BoltPattern::kSpacingKinds - 1) ||
            !boolean(object, "edgeFixed", where, direction.edgeFixed) ||
            !value(object, "edgeDistance", where, direction.edgeDistance))
            return false;
        const Json* distances = nullptr;
        if (!list(object, "distances", where, distances))
            return false;
        for (std::size_t i = 0; distances && i < distances->size(); ++i) {
            Vdn_String distance;
            if (!valueText((*distances)[i], at(at(where, "distances"), i), distance))
                return false;
            direction.distances.append(distance);
        }
        return true;
    }

    std::string error_;
};

} // namespace

core::MacroReadResult Vdn_DbMacro::readFromText(std::string_view utf8Json) {
    Json root;
    if (const auto problem = core::JsonDocument::parse(utf8Json, kMaxNesting, root))
        return core::MacroReadResult::failure(Vdn_String::fromUtf8(*problem));
    Vdn_DbMacro macro;
    MacroJsonReader reader;
    if (!reader.read(root, macro))
        return core::MacroReadResult::failure(Vdn_String::fromUtf8(reader.error()));
    return core::MacroReadResult::success(std::move(macro));
}

core::MacroReadResult Vdn_DbMacro::readFromFile(const Vdn_String& path) {
    const std::optional<std::wstring> text = core::readTextFile(path);
    if (!text)
        return core::MacroReadResult::failure(L"cannot read the macro file " + path);
    core::MacroReadResult result = readFromText(core::TextCodec::encodeUtf8(*text));
    if (!result)
        return core::MacroReadResult::failure(path + L": " + result.message());
    return result;
}
