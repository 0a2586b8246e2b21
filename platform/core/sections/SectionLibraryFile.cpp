#include "platform/core/sections/SectionLibraryFile.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/JsonDocument.h"
#include "platform/core/text/TextCodec.h"

#include <string>

namespace core {

namespace {

using Json = JsonDocument::Json;

constexpr int kMaxNesting = 8;
constexpr const char* kFormat = "tessa-section-library";
constexpr int kVersion = 1;

// Reads the fields shared by groups and types; error names what is wrong.
class EntryReader {
public:
    explicit EntryReader(std::string where) : where_(std::move(where)) {}

    bool text(const Json& entry, const char* key, Vdn_String& value, bool required) {
        const auto it = entry.find(key);
        if (it == entry.end()) {
            if (required)
                error = where_ + ": \"" + key + "\" is missing";
            return !required;
        }
        if (!it->is_string()) {
            error = where_ + ": \"" + key + "\" is not a text";
            return false;
        }
        value = Vdn_String::fromUtf8(it->get<std::string>());
        return true;
    }
    bool flag(const Json& entry, const char* key, bool& value) {
        const auto it = entry.find(key);
        if (it == entry.end())
            return true;
        if (!it->is_boolean()) {
            error = where_ + ": \"" + key + "\" is not true or false";
            return false;
        }
        value = it->get<bool>();
        return true;
    }
    bool number(const Json& entry, const char* key, int& value) {
        const auto it = entry.find(key);
        if (it == entry.end())
            return true;
        if (!it->is_number_integer() || it->get<long long>() < -1 ||
            it->get<long long>() > 1'000'000) {
            error = where_ + ": \"" + key + "\" is not a whole number from -1 to 1000000";
            return false;
        }
        value = static_cast<int>(it->get<long long>());
        return true;
    }
    bool names(const Json& entry, Vdn_StringArray& value) {
        const auto it = entry.find("names");
        if (it == entry.end())
            return true;
        if (!it->is_array()) {
            error = where_ + ": \"names\" is not a list of texts";
            return false;
        }
        for (const Json& name : *it) {
            if (!name.is_string()) {
                error = where_ + ": \"names\" is not a list of texts";
                return false;
            }
            value.append(Vdn_String::fromUtf8(name.get<std::string>()));
        }
        return true;
    }

    std::string error;

private:
    std::string where_;
};

Json namesJson(const Vdn_StringArray& names) {
    Json list = Json::array();
    for (const Vdn_String& name : names)
        list.push_back(name.toUtf8());
    return list;
}

bool readGroups(const Json& list, SectionGroupArray& groups, std::string& error) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        EntryReader reader("group " + std::to_string(i + 1));
        const Json& entry = list[i];
        SectionGroup group;
        if (!entry.is_object() || !reader.number(entry, "id", group.id) ||
            !reader.text(entry, "name", group.name, true) ||
            !reader.flag(entry, "enabled", group.enabled) ||
            !reader.text(entry, "image", group.imageFile, false) ||
            !reader.names(entry, group.languageNames)) {
            error = reader.error.empty() ? "group " + std::to_string(i + 1) + " is no object"
                                         : reader.error;
            return false;
        }
        if (group.id < 0 || groups.findId(group.id) >= 0) {
            error = "group " + std::to_string(i + 1) + ": the id is missing or used twice";
            return false;
        }
        groups.append(std::move(group));
    }
    return true;
}

bool readTypes(const Json& list, Vdn_Array<SectionType>& types, std::string& error) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        EntryReader reader("type " + std::to_string(i + 1));
        const Json& entry = list[i];
        SectionType type;
        if (!entry.is_object() || !reader.text(entry, "name", type.name, true) ||
            !reader.flag(entry, "enabled", type.enabled) ||
            !reader.text(entry, "image", type.imageFile, false) ||
            !reader.number(entry, "group", type.group) ||
            !reader.text(entry, "table", type.table, false) ||
            !reader.names(entry, type.languageNames)) {
            error = reader.error.empty() ? "type " + std::to_string(i + 1) + " is no object"
                                         : reader.error;
            return false;
        }
        types.append(std::move(type));
    }
    return true;
}

} // namespace

Vdn_String sectionLibraryPath() {
    return gSettings.libDir() + L"prof\\Library.json";
}

bool readSectionLibraryText(std::string_view utf8Json, DlgEditLibData& data, Vdn_String& problem) {
    Json root;
    std::string error;
    if (const auto parseProblem = JsonDocument::parse(utf8Json, kMaxNesting, root)) {
        error = *parseProblem;
    } else if (!root.is_object() || !root.contains("format") || !root["format"].is_string() ||
               root["format"].get<std::string>() != kFormat) {
        error = std::string("not a section library (\"format\": \"") + kFormat + "\" is missing)";
    } else if (!root.contains("version") || !root["version"].is_number_integer() ||
               root["version"].get<long long>() > kVersion) {
        error = "a version this program does not know";
    } else {
        SectionGroupArray groups;
        Vdn_Array<SectionType> types;
        const Json empty = Json::array();
        const Json& groupList = root.contains("groups") ? root["groups"] : empty;
        const Json& typeList = root.contains("types") ? root["types"] : empty;
        if (!groupList.is_array() || !typeList.is_array())
            error = "\"groups\" and \"types\" are lists";
        else if (readGroups(groupList, groups, error) && readTypes(typeList, types, error)) {
            data.groups = std::move(groups);
            data.types = std::move(types);
            return true;
        }
    }
    problem = Vdn_String::fromUtf8(error);
    return false;
}

bool readSectionLibrary(const Vdn_String& path, DlgEditLibData& data, Vdn_String& problem) {
    const std::optional<std::wstring> text = readTextFile(path);
    if (!text) {
        problem = path + L": cannot be read";
        return false;
    }
    if (readSectionLibraryText(TextCodec::encodeUtf8(*text), data, problem))
        return true;
    problem = path + L": " + problem;
    return false;
}

std::string sectionLibraryText(const DlgEditLibData& data) {
    Json groups = Json::array();
    for (const SectionGroup& group : data.groups)
        groups.push_back({{"id", group.id},
                          {"name", group.name.toUtf8()},
                          {"enabled", group.enabled},
                          {"image", group.imageFile.toUtf8()},
                          {"names", namesJson(group.languageNames)}});
    Json types = Json::array();
    for (const SectionType& type : data.types)
        types.push_back({{"name", type.name.toUtf8()},
                         {"enabled", type.enabled},
                         {"image", type.imageFile.toUtf8()},
                         {"group", type.group},
                         {"table", type.table.toUtf8()},
                         {"names", namesJson(type.languageNames)}});
    const Json root{
        {"format", kFormat}, {"version", kVersion}, {"groups", groups}, {"types", types}};
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool writeSectionLibrary(const Vdn_String& path, const DlgEditLibData& data) {
    return writeTextFile(path, Vdn_String::fromUtf8(sectionLibraryText(data)).str(),
                         TextEncoding::Utf8);
}

} // namespace core
