#include "platform/core/model/DlgCSP2DataFile.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/JsonDocument.h"
#include "platform/core/text/TextCodec.h"

#include <array>

namespace core {

namespace {

using Json = JsonDocument::Json;

constexpr const char* kFormat = "tessa-cutting-stock";
constexpr int kVersion = 1;
constexpr int kMaxNesting = 8;
constexpr std::array<const char*, DlgCSP2Data::kTableCount> kTableKeys = {"parts", "stock", "buy"};

bool readTexts(const Json& json, Vdn_StringArray& texts) {
    if (!json.is_array())
        return false;
    Vdn_StringArray read;
    for (const Json& item : json) {
        if (!item.is_string())
            return false;
        read.append(Vdn_String::fromUtf8(item.get<std::string>()));
    }
    texts = std::move(read);
    return true;
}

Json textsJson(const Vdn_StringArray& texts) {
    Json list = Json::array();
    for (const Vdn_String& text : texts)
        list.push_back(text.toUtf8());
    return list;
}

bool readRecord(const Json& root, DlgCSP2Data& data, std::string& problem) {
    if (!root.is_object() || !root.contains("format") || root["format"] != kFormat) {
        problem = std::string("not a cutting-stock record (\"format\" is not \"") + kFormat + "\")";
        return false;
    }
    if (!root.contains("version") || !root["version"].is_number_integer() ||
        root["version"].get<std::int64_t>() < 1 || root["version"].get<std::int64_t>() > kVersion) {
        problem = "a version this program does not know (it reads version 1)";
        return false;
    }
    if (root.contains("singleTable")) {
        if (!root["singleTable"].is_boolean()) {
            problem = "\"singleTable\" is not true or false";
            return false;
        }
        data.singleTable = root["singleTable"].get<bool>();
    }
    if (root.contains("headers")) {
        const Json& headers = root["headers"];
        for (std::size_t table = 0; table < kTableKeys.size(); ++table) {
            if (headers.is_object() && headers.contains(kTableKeys[table]) &&
                !readTexts(headers[kTableKeys[table]], data.tables[table].headers)) {
                problem = std::string("the headers of \"") + kTableKeys[table] +
                          "\" are not a list of texts";
                return false;
            }
        }
    }
    if (!root.contains("sets") || !root["sets"].is_array()) {
        problem = "\"sets\" is not a list";
        return false;
    }
    for (std::size_t i = 0; i < root["sets"].size(); ++i) {
        const Json& set = root["sets"][i];
        const std::string where = "set " + std::to_string(i + 1);
        if (!set.is_object() || !set.contains("id") || !set["id"].is_number_integer() ||
            set["id"].get<std::int64_t>() < 0 || set["id"].get<std::int64_t>() > 1'000'000'000) {
            problem = where + " has no id of 0 or more";
            return false;
        }
        const int id = static_cast<int>(set["id"].get<std::int64_t>());
        if (data.indexOfSet(id) >= 0) {
            problem = where + " has the id " + std::to_string(id) + " of an earlier set";
            return false;
        }
        if (!set.contains("name") || !set["name"].is_string()) {
            problem = where + " has no name";
            return false;
        }
        data.setIds.append(id);
        data.setNames.append(Vdn_String::fromUtf8(set["name"].get<std::string>()));
        for (std::size_t table = 0; table < kTableKeys.size(); ++table) {
            if (!set.contains(kTableKeys[table]))
                continue;
            const Json& rows = set[kTableKeys[table]];
            if (!rows.is_array()) {
                problem = where + ": \"" + kTableKeys[table] + "\" is not a list of rows";
                return false;
            }
            for (const Json& row : rows) {
                Vdn_StringArray cells;
                if (!readTexts(row, cells)) {
                    problem =
                        where + ": a row of \"" + kTableKeys[table] + "\" is not a list of texts";
                    return false;
                }
                data.tables[table].rowSetIds.append(id);
                data.tables[table].rows.append(std::move(cells));
            }
        }
    }
    return true;
}

} // namespace

CspRecordRead readCspRecordText(std::string_view utf8Json) {
    CspRecordRead result;
    Json root;
    if (const auto problem = JsonDocument::parse(utf8Json, kMaxNesting, root)) {
        result.problem = *problem;
        return result;
    }
    if (!readRecord(root, result.data, result.problem)) {
        result.data = DlgCSP2Data();
        return result;
    }
    result.ok = true;
    return result;
}

CspRecordRead readCspRecordFile(const Vdn_String& path) {
    const std::optional<std::wstring> text = readTextFile(path);
    if (!text) {
        CspRecordRead result;
        result.problem = "cannot read the cutting-stock record " + path.toUtf8();
        return result;
    }
    CspRecordRead result = readCspRecordText(TextCodec::encodeUtf8(*text));
    if (!result.ok)
        result.problem = path.toUtf8() + ": " + result.problem;
    return result;
}

std::string cspRecordToJsonText(const DlgCSP2Data& data) {
    Json headers = Json::object();
    for (std::size_t table = 0; table < kTableKeys.size(); ++table)
        headers[kTableKeys[table]] = textsJson(data.tables[table].headers);
    Json sets = Json::array();
    for (int i = 0; i < data.setIds.length(); ++i) {
        const int id = data.setIds[i];
        Json set = {{"id", id},
                    {"name", i < data.setNames.length() ? data.setNames[i].toUtf8() : ""}};
        for (std::size_t table = 0; table < kTableKeys.size(); ++table) {
            Json rows = Json::array();
            for (const Vdn_StringArray& row : data.rowsOf(static_cast<int>(table), id))
                rows.push_back(textsJson(row));
            set[kTableKeys[table]] = std::move(rows);
        }
        sets.push_back(std::move(set));
    }
    const Json root = {{"format", kFormat},
                       {"version", kVersion},
                       {"singleTable", data.singleTable},
                       {"headers", std::move(headers)},
                       {"sets", std::move(sets)}};
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool writeCspRecordFile(const DlgCSP2Data& data, const Vdn_String& path) {
    return writeTextFile(path, Vdn_String::fromUtf8(cspRecordToJsonText(data)).str(),
                         TextEncoding::Utf8);
}

} // namespace core
