// Writing a Vdn_DbMacro as a macro file (docs/macro-file.md).
#include "platform/core/JsonNesting.h"
#include "platform/core/TextFileHelpers.h"
#include "platform/core/Vdn_DbMacro.h"

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
    addExtras(object, variable.extras);
    return object;
}

Json cutJson(const Vdn_CutConstraint& cut) {
    Json offsets = Json::array();
    for (const std::optional<Vdn_String>& offset : cut.offsets)
        offsets.push_back(offset ? text(*offset) : Json());
    Json object{{"name", text(cut.name)}, {"type", cut.type}, {"offsets", std::move(offsets)}};
    addExtras(object, cut.extras);
    return object;
}

Json placementJson(const Vdn_ProfilePlacement& placement) {
    Json object{{"name", text(placement.name)},
                {"section", text(placement.section)},
                {"material", text(placement.material)},
                {"memberName", text(placement.memberName)}};
    addExtras(object, placement.extras);
    return object;
}

Json boltDataJson(const Vdn_BoltData& boltData) {
    Json object{{"diameter", text(boltData.diameter)}, {"holeOffset", text(boltData.holeOffset)}};
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
    addExtras(object, pattern.extras);
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
    addExtras(object, module.extras);
    return object;
}

} // namespace

std::string Vdn_DbMacro::toJsonText() const {
    Json object{{"name", text(name)}};
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
