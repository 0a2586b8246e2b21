// Writing a Vdn_DbMacro as a macro file (docs/macro-file.md).
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/text/JsonNesting.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

// Kept values were checked when read; one that code put into a record is written only when it
// is JSON that nests no deeper than a file may.
constexpr int kMaxKeptNesting = 64;

Json text(const Vdn_String& value) {
    return value.toUtf8();
}

// Adds the kept unknown keys after the known ones; a known key is never overwritten.
void addExtras(Json& object, const core::JsonExtras& extras) {
    for (const auto& [key, jsonText] : extras.entries()) {
        if (object.contains(key) ||
            core::findExcessNesting(jsonText, kMaxKeptNesting) != std::string_view::npos)
            continue;
        Json value = Json::parse(jsonText, nullptr, false);
        if (!value.is_discarded())
            object[key] = std::move(value);
    }
}

Json textList(const Vdn_StringArray& values) {
    Json array = Json::array();
    for (const Vdn_String& value : values)
        array.push_back(text(value));
    return array;
}

// The keys added to the format after its first version are written only when they differ
// from their default, so that files of the first version are written back as they were.
void addText(Json& object, const char* key, const Vdn_String& value) {
    if (!value.isEmpty())
        object[key] = text(value);
}
void addInt(Json& object, const char* key, int value, int defaultValue = 0) {
    if (value != defaultValue)
        object[key] = value;
}
void addFlag(Json& object, const char* key, bool value) {
    if (value)
        object[key] = true;
}
void addReal(Json& object, const char* key, double value) {
    if (value != 0.0)
        object[key] = value;
}
void addTexts(Json& object, const char* key, const Vdn_StringArray& values) {
    if (!values.isEmpty())
        object[key] = textList(values);
}

template <typename Item, typename WriteOne>
void addList(Json& object, const char* key, const Vdn_Array<Item>& items, WriteOne writeOne) {
    if (items.isEmpty())
        return;
    Json array = Json::array();
    for (const Item& item : items)
        array.push_back(writeOne(item));
    object[key] = std::move(array);
}

const char* kindText(Vdn_Module::Kind kind) {
    switch (kind) {
    case Vdn_Module::Kind::Bolt:
        return "bolt";
    case Vdn_Module::Kind::Profile:
        return "profile";
    case Vdn_Module::Kind::Plate:
        return "plate";
    case Vdn_Module::Kind::Other:
        break;
    }
    return "other";
}

Json generalVariableJson(const Vdn_GeneralVariable& variable) {
    Json object{{"name", text(variable.name)}, {"value", text(variable.value)}};
    addExtras(object, variable.extras);
    return object;
}

Json baseProfileJson(const Vdn_BaseProfile& profile) {
    Json object{{"section", text(profile.section)}, {"material", text(profile.material)}};
    addExtras(object, profile.extras);
    return object;
}

Json variableJson(const Vdn_ConstraintVariable& variable) {
    Json object{{"name", text(variable.name)},
                {"value", text(variable.value)},
                {"shown", variable.shown},
                {"settable", variable.settable}};
    if (variable.flex)
        object["flex"] = *variable.flex;
    addInt(object, "kind", variable.kind);
    static constexpr const char* kCellKinds[] = {"number", "text", "list", "editableList", "check"};
    if (variable.cellKind >= 2 && variable.cellKind <= 5)
        object["cellKind"] = kCellKinds[variable.cellKind - 1];
    addText(object, "displayName", variable.displayName);
    addTexts(object, "items", variable.items);
    addText(object, "minimum", variable.minimum);
    addText(object, "maximum", variable.maximum);
    addExtras(object, variable.extras);
    return object;
}

Json cutJson(const Vdn_CutConstraint& cut) {
    Json offsets = Json::array();
    for (const std::optional<Vdn_String>& offset : cut.offsets)
        offsets.push_back(offset ? text(*offset) : Json());
    Json object{{"name", text(cut.name)}, {"type", cut.type}, {"offsets", std::move(offsets)}};
    addText(object, "description", cut.description);
    addInt(object, "state", cut.state);
    addInt(object, "side", cut.side);
    addText(object, "cutter", cut.cutter);
    addText(object, "profile", cut.profile);
    Json inDialog = Json::array();
    for (int type = 0; type < Vdn_CutConstraint::kOffsetTypeCount; ++type) {
        if (cut.inDialog[static_cast<std::size_t>(type)])
            inDialog.push_back(type);
    }
    if (!inDialog.empty())
        object["inDialog"] = std::move(inDialog);
    addFlag(object, "bevelFlanges", cut.bevelFlanges);
    addFlag(object, "bevelWeb", cut.bevelWeb);
    addFlag(object, "option", cut.option);
    addExtras(object, cut.extras);
    return object;
}

Json segmentJson(const MacroProfSegment& segment) {
    Json object{{"name", text(segment.name)}};
    addText(object, "secondText", segment.secondText);
    addReal(object, "length", segment.length);
    addFlag(object, "flag", segment.flag);
    addList(object, "values", segment.values, [](const MacroProfSegment::ValuePair& pair) {
        Json item{{"number", text(pair.number)}, {"value", text(pair.value)}};
        addExtras(item, pair.extras);
        return item;
    });
    addExtras(object, segment.extras);
    return object;
}

Json placementJson(const Vdn_ProfilePlacement& placement) {
    Json object{{"name", text(placement.name)},
                {"section", text(placement.section)},
                {"material", text(placement.material)},
                {"memberName", text(placement.memberName)}};
    addInt(object, "offsetType", placement.offsetType);
    addInt(object, "rotation", placement.rotation);
    addText(object, "basePlane", placement.basePlane);
    addText(object, "coordinateSystem", placement.coordinateSystem);
    addReal(object, "secondValue", placement.secondValue);
    addInt(object, "planeAxis", placement.planeAxis, 2);
    addFlag(object, "morphed", placement.morphed);
    addText(object, "endSection", placement.endSection);
    addText(object, "morphStartText", placement.morphStartText);
    addText(object, "morphEndText", placement.morphEndText);
    addFlag(object, "mirrored", placement.mirrored);
    addFlag(object, "extended", placement.extended);
    addReal(object, "extension", placement.extension);
    addList(object, "segments", placement.segments, segmentJson);
    addExtras(object, placement.extras);
    return object;
}

Json boltDataJson(const Vdn_BoltData& boltData) {
    Json object{{"diameter", text(boltData.diameter)}, {"holeOffset", text(boltData.holeOffset)}};
    if (!boltData.assembly.isEmpty())
        object = Json{{"assembly", text(boltData.assembly)},
                      {"diameter", text(boltData.diameter)},
                      {"holeOffset", text(boltData.holeOffset)}};
    const BoltDetails& details = boltData.details;
    const BoltDetails none;
    const auto fixed = [](const auto& values) {
        Json list = Json::array();
        for (const auto& value : values)
            list.push_back(value);
        return list;
    };
    const auto fixedText = [](const auto& values) {
        Json list = Json::array();
        for (const Vdn_String& value : values)
            list.push_back(text(value));
        return list;
    };
    if (details.texts != none.texts)
        object["texts"] = fixedText(details.texts);
    addInt(object, "count", details.count);
    addFlag(object, "flag", details.flag);
    if (details.options != none.options)
        object["options"] = fixed(details.options);
    if (details.optionalOptions != none.optionalOptions)
        object["optionalOptions"] = fixed(details.optionalOptions);
    if (!details.holeColumnNumbers.isEmpty()) {
        Json numbers = Json::array();
        for (const int number : details.holeColumnNumbers)
            numbers.push_back(number);
        object["holeColumns"] =
            Json{{"numbers", std::move(numbers)}, {"texts", textList(details.holeColumnTexts)}};
    }
    if (!details.entries.isEmpty()) {
        Json entries = Json::array();
        for (const BoltDetails::Entry& entry : details.entries) {
            Json entryJson{{"active", entry.active},
                           {"selection", entry.selection},
                           {"texts", fixedText(entry.texts)}};
            addExtras(entryJson, entry.extras);
            entries.push_back(std::move(entryJson));
        }
        object["entries"] = std::move(entries);
    }
    addExtras(object, boltData.extras);
    return object;
}

Json patternJson(const Vdn_BoltPattern& pattern) {
    Json nrBolts = Json::array();
    for (const Vdn_String& count : pattern.nrBolts)
        nrBolts.push_back(text(count));
    Json reverseStart = Json::array();
    for (const bool reverse : pattern.reverseStart)
        reverseStart.push_back(reverse);
    Json object{{"name", text(pattern.name)},
                {"typeCode", pattern.typeCode},
                {"nrBolts", std::move(nrBolts)},
                {"reverseStart", std::move(reverseStart)}};
    addText(object, "values", pattern.values);
    addText(object, "count", pattern.count);
    if (!pattern.button)
        object["button"] = false;
    const bool anyDirection = std::any_of(
        pattern.directions.begin(), pattern.directions.end(),
        [](const Vdn_BoltPattern::Direction& d) { return d != Vdn_BoltPattern::Direction{}; });
    if (anyDirection) {
        Json directions = Json::array();
        for (const Vdn_BoltPattern::Direction& direction : pattern.directions) {
            Json entry = Json::object();
            addInt(entry, "spacing", direction.spacing);
            addFlag(entry, "edgeFixed", direction.edgeFixed);
            addText(entry, "edgeDistance", direction.edgeDistance);
            addTexts(entry, "distances", direction.distances);
            directions.push_back(std::move(entry));
        }
        object["directions"] = std::move(directions);
    }
    addFlag(object, "mirrored", pattern.mirrored);
    if (pattern.alternation != decltype(pattern.alternation){})
        object["alternation"] =
            Json::array({pattern.alternation[0], pattern.alternation[1], pattern.alternation[2]});
    addExtras(object, pattern.extras);
    return object;
}

Json geometryJson(const Vdn_Geometry& geometry) {
    Json object{{"id", geometry.id}};
    addInt(object, "kind", geometry.kind);
    addTexts(object, "cells", geometry.cells);
    addText(object, "nameTag", geometry.nameTag);
    addInt(object, "flexibility", geometry.flexibility);
    addFlag(object, "construction", geometry.construction);
    addExtras(object, geometry.extras);
    return object;
}

Json constraintJson(const Vdn_Constraint& constraint) {
    Json object{{"id", constraint.id}, {"type", constraint.type}};
    if (!constraint.geometries.isEmpty()) {
        Json ids = Json::array();
        for (const int id : constraint.geometries)
            ids.push_back(id);
        object["geometries"] = std::move(ids);
    }
    addText(object, "value", constraint.value);
    addText(object, "variable", constraint.variable);
    addInt(object, "choice", constraint.choice, -1);
    addFlag(object, "firstFlag", constraint.firstFlag);
    addFlag(object, "secondFlag", constraint.secondFlag);
    addTexts(object, "images", constraint.images);
    if (!constraint.imageSelections.isEmpty()) {
        Json selections = Json::array();
        for (const int mask : constraint.imageSelections)
            selections.push_back(mask);
        object["imageSelections"] = std::move(selections);
    }
    addFlag(object, "cut", constraint.cut);
    addText(object, "cutName", constraint.cutName);
    addExtras(object, constraint.extras);
    return object;
}

Json arrayJson(const Vdn_DynArray& array) {
    Json object{{"name", text(array.name)}, {"kind", array.kind}, {"texts", textList(array.texts)}};
    const bool anyFurther = std::any_of(array.furtherTexts.begin(), array.furtherTexts.end(),
                                        [](const Vdn_String& t) { return !t.isEmpty(); });
    if (anyFurther)
        object["furtherTexts"] = textList(array.furtherTexts);
    addFlag(object, "option", array.option);
    addFlag(object, "alternating", array.alternating);
    addText(object, "design", array.design);
    addTexts(object, "entries", array.entries);
    if (std::any_of(array.entryNumbers.begin(), array.entryNumbers.end(),
                    [](int n) { return n != 0; })) {
        Json numbers = Json::array();
        for (const int number : array.entryNumbers)
            numbers.push_back(number);
        object["entryNumbers"] = std::move(numbers);
    }
    if (std::find(array.entryFlags.begin(), array.entryFlags.end(), true) !=
        array.entryFlags.end()) {
        Json flags = Json::array();
        for (const bool flag : array.entryFlags)
            flags.push_back(flag);
        object["entryFlags"] = std::move(flags);
    }
    addExtras(object, array.extras);
    return object;
}

Json numberList(const double* values, std::size_t count) {
    Json list = Json::array();
    for (std::size_t i = 0; i < count; ++i)
        list.push_back(values[i]);
    return list;
}

template <typename Entry> Json namedEntry(const Entry& entry) {
    return Json{{"name", text(entry.name)}, {"enabled", entry.enabled}};
}

// Settings are written in full once the macro has any (they are all new keys).
Json settingsJson(const MacroSettingsData& settings) {
    Json object{{"filter", settings.filterOn}};
    addList(object, "axisFilters", settings.axisFilters,
            [](const MacroSettingsData::AxisAngleFilter& filter) {
                Json entry = namedEntry(filter);
                entry["mode"] = filter.mode;
                entry["angles"] = numberList(filter.angles.data(), filter.angles.size());
                addExtras(entry, filter.extras);
                return entry;
            });
    addList(object, "sectionFilters", settings.sectionFilters,
            [](const MacroSettingsData::SectionAngleFilter& filter) {
                Json entry = namedEntry(filter);
                Json pairs = Json::array();
                for (int i = 0; i + 1 < filter.anglePairs.length(); i += 2)
                    pairs.push_back(Json::array({filter.anglePairs[i], filter.anglePairs[i + 1]}));
                entry["anglePairs"] = std::move(pairs);
                addExtras(entry, filter.extras);
                return entry;
            });
    object["secondFilter"] = settings.secondFilterOn;
    const auto valueFilter = [](const auto& filter) {
        Json entry = namedEntry(filter);
        entry["values"] = numberList(filter.values.data(), filter.values.size());
        addExtras(entry, filter.extras);
        return entry;
    };
    addList(object, "pathDistanceFilters", settings.pathDistanceFilters, valueFilter);
    addList(object, "sectionSizeFilters", settings.sectionSizeFilters, valueFilter);
    addList(object, "filterProperties", settings.filterProperties,
            [](const MacroSettingsData::FilterProperty& property) {
                Json entry{{"name", text(property.name)},
                           {"texts", textList(property.texts)},
                           {"picture", text(property.picture)}};
                addExtras(entry, property.extras);
                return entry;
            });
    Json variables = Json::array();
    for (int i = 0; i < settings.variableNames.length(); ++i)
        variables.push_back(Json{
            {"name", text(settings.variableNames[i])},
            {"value", i < settings.variableValues.length() ? settings.variableValues[i] : 0.0}});
    object["variableOptions"] = Json{{"first", settings.variableChoice1},
                                     {"second", settings.variableChoice2},
                                     {"number", settings.variableNumber},
                                     {"variables", std::move(variables)}};
    object["groupText1"] = text(settings.groupText1);
    object["groupText2"] = text(settings.groupText2);
    addList(object, "groups", settings.groups, [](const MacroSettingsData::GroupEntry& group) {
        Json entry{
            {"name", text(group.name)}, {"text", text(group.text)}, {"number", group.number}};
        addExtras(entry, group.extras);
        return entry;
    });
    Json mappings = Json::array();
    const TabMappingData& mapping = settings.mapping;
    for (int i = 0; i < mapping.count(); ++i)
        mappings.push_back(
            Json{{"spreadsheet", text(mapping.spreadsheets[i])},
                 {"target", text(i < mapping.targets.length() ? mapping.targets[i] : Vdn_String())},
                 {"module",
                  text(i < mapping.moduleNames.length() ? mapping.moduleNames[i] : Vdn_String())}});
    if (!mappings.empty())
        object["mappings"] = std::move(mappings);
    addExtras(object, settings.extras);
    return object;
}

Json tabJson(const Vdn_MacroTab& tab) {
    Json object{{"name", text(tab.name)}};
    addInt(object, "kind", tab.kind, -1);
    addText(object, "design", tab.design);
    addFlag(object, "blockReference", tab.blockReference);
    addText(object, "blockName", tab.blockName);
    addInt(object, "view", tab.view, 3);
    addExtras(object, tab.extras);
    return object;
}

Json moduleJson(const Vdn_Module& module) {
    Json object{{"name", text(module.name)},
                {"group", text(module.group)},
                {"kind", kindText(module.kind)}};
    addList(object, "variables", module.variables, variableJson);
    addList(object, "cuts", module.cuts, cutJson);
    addList(object, "profiles", module.profiles, placementJson);
    if (module.isBoltModule()) {
        object["boltData"] = boltDataJson(module.boltData);
        addList(object, "patterns", module.patterns, patternJson);
    }
    addList(object, "geometries", module.geometries, geometryJson);
    addList(object, "constraints", module.constraints, constraintJson);
    addList(object, "arrays", module.arrays, arrayJson);
    addTexts(object, "equations", module.equations);
    addExtras(object, module.extras);
    return object;
}

} // namespace

std::string Vdn_DbMacro::toJsonText() const {
    Json object{{"name", text(name)}};
    addText(object, "title", title);
    if (objectId != 0)
        object["objectId"] = objectId;
    addList(object, "tabs", tabs, tabJson);
    MacroSettingsData unmarked = settings;
    unmarked.mappingChanged = false;
    if (unmarked != MacroSettingsData())
        object["settings"] = settingsJson(settings);
    addList(object, "generalVariables", generalVariables, generalVariableJson);
    addList(object, "baseProfiles", baseProfiles, baseProfileJson);
    addList(object, "modules", modules, moduleJson);
    addExtras(object, extras);
    return object.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool Vdn_DbMacro::writeToFile(const Vdn_String& path) const {
    return core::writeTextFile(path, Vdn_String::fromUtf8(toJsonText()).str(),
                               core::TextEncoding::Utf8);
}
