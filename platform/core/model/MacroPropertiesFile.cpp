// The properties files of MacroData and its view changes.
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/JsonNesting.h"
#include "platform/core/text/NamedItems.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/core/text/TextCodec.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>

namespace {

using Json = nlohmann::ordered_json;

constexpr int kMaxNesting = 64;

// The parsed properties file; nothing (with the reason in problem) when it cannot be read or
// is no properties file.
std::optional<Json> readProperties(const Vdn_String& path, Vdn_String& problem) {
    const std::optional<std::wstring> text = core::readTextFile(path);
    if (!text) {
        problem = L"cannot read the properties file " + path;
        return std::nullopt;
    }
    const std::string utf8 = core::TextCodec::encodeUtf8(*text);
    if (core::findExcessNesting(utf8, kMaxNesting) != std::string::npos) {
        problem = path + L": nested deeper than 64 levels";
        return std::nullopt;
    }
    Json root = Json::parse(utf8, nullptr, false);
    if (root.is_discarded() || !root.is_object() || !root.contains("tabs") ||
        !root["tabs"].is_array()) {
        problem = path + L": not a properties file (a JSON object with a list \"tabs\")";
        return std::nullopt;
    }
    return root;
}

} // namespace

bool MacroData::propListAllowed() const {
    return !name.isEmpty() && !objectIds.isEmpty();
}

void MacroData::getPropFiles(Vdn_String& folder, Vdn_String& extension, Vdn_StringArray& ownNames,
                             Vdn_StringArray& allNames) const {
    folder = gSettings.libDir() + L"Macro Properties\\";
    extension = L"prp";
    ownNames.clear();
    allNames.clear();
    for (const std::filesystem::path& file : core::findMatching(folder + L"*.prp")) {
        const Vdn_String fileName = removeExtension(core::fromNativePath(file.filename()));
        allNames.append(fileName);
        Vdn_String problem;
        const std::optional<Json> root = readProperties(core::fromNativePath(file), problem);
        if (root && root->contains("macro") && (*root)["macro"].is_string() &&
            Vdn_String::fromUtf8((*root)["macro"].get<std::string>()).equal(name, false))
            ownNames.append(fileName);
    }
    sortArray(ownNames, false);
    sortArray(allNames, false);
}

bool MacroData::writeToFile(const Vdn_String& path) const {
    Json tabList = Json::array();
    for (const MacroTabData& tab : tabs) {
        Json values = Json::object();
        for (const MacroCell& cell : tab.cells) {
            if (!cell.readOnly)
                values[cell.name.toUtf8()] = cell.value.toUtf8();
        }
        tabList.push_back(Json{{"name", tab.name.toUtf8()}, {"values", std::move(values)}});
    }
    const Json root{{"macro", name.toUtf8()}, {"tabs", std::move(tabList)}};
    // The first file saved makes the properties folder.
    std::error_code ignored;
    if (!getPath(path).isEmpty())
        std::filesystem::create_directories(core::resolveForWriting(getPath(path)), ignored);
    return core::writeTextFile(
        path,
        Vdn_String::fromUtf8(root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n").str(),
        core::TextEncoding::Utf8);
}

bool MacroData::readFromFile(const Vdn_String& path, int& count, Vdn_String* problem) {
    Vdn_String reason;
    const std::optional<Json> root = readProperties(path, reason);
    if (!root) {
        if (problem)
            *problem = reason;
        return false;
    }
    MacroData result = *this;
    int skipped = 0;
    for (const Json& tabValues : (*root)["tabs"]) {
        const Json* values =
            tabValues.is_object() && tabValues.contains("values") ? &tabValues["values"] : nullptr;
        if (!values || !values->is_object())
            continue;
        const int tabIndex =
            tabValues.contains("name") && tabValues["name"].is_string()
                ? result.findTab(Vdn_String::fromUtf8(tabValues["name"].get<std::string>()))
                : -1;
        for (const auto& [cellName, value] : values->items()) {
            MacroTabData* tab = result.getTab(tabIndex);
            const int cellIndex = tab ? tab->findCellWithName(Vdn_String::fromUtf8(cellName)) : -1;
            if (cellIndex < 0 || tab->cells[cellIndex].readOnly || !value.is_string()) {
                ++skipped;
                continue;
            }
            tab->cells[cellIndex].value = Vdn_String::fromUtf8(value.get<std::string>());
        }
    }
    *this = result;
    count = skipped;
    return true;
}

bool MacroData::changeView(const Vdn_String& tabName, int direction) {
    const int index = findTab(tabName);
    if (index < 0 || direction < 0 || direction > 3)
        return false;
    tabs[index].view = direction;
    for (int i = 0; i < objectIds.length(); ++i) {
        Vdn_DbMacro* macro = Vdn_Drawing::current().macro(objectIds[i]);
        if (!macro)
            continue;
        bool onTab = false;
        for (const Vdn_Module& module : macro->modules)
            onTab = onTab || module.tabName().equal(tabName, false);
        if (!onTab)
            continue;
        int tab = core::indexOfName(macro->tabs, tabName);
        if (tab < 0) {
            Vdn_MacroTab added;
            added.name = tabs[index].name;
            tab = macro->tabs.append(added);
        }
        macro->tabs[tab].view = direction;
    }
    return true;
}
