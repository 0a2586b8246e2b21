#include "platform/core/model/GenVarsFile.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/JsonDocument.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/core/text/TextCodec.h"
#include "platform/io/AtomicWrite.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <nlohmann/json.hpp>

namespace core {

namespace {

using Json = nlohmann::ordered_json;

constexpr int kMaxNesting = 16;
constexpr const char* kDrawingKey = "drawing";
constexpr const char* kStandardsKey = "standards";

// The lists of one group, in column order: names, values, overrides (standards only), filters.
struct Group {
    const char* key;
    Vdn_StringArray* names;
    Vdn_StringArray* values;
    Vdn_StringArray* overrides;
    Vdn_StringArray* filters;
};

class Reader {
public:
    bool read(const Json& root, TfAutoStandardsData& data) {
        if (!root.is_object())
            return fail("", "the file does not hold a JSON object");
        // Every other key is kept as it is, so without either list any JSON object would read
        // as an empty set of variables (a macro file, say) and be written back as one.
        if (!root.contains(kDrawingKey) && !root.contains(kStandardsKey))
            return fail("", "not a general-variables file (it has neither \"drawing\" nor "
                            "\"standards\")");
        Group groups[] = {
            {kDrawingKey, &data.dwgGenVars(), &data.dwgGenValues(), nullptr, &data.dwgGenFilters()},
            {kStandardsKey, &data.stdGenVars(), &data.stdGenValues(), &data.stdGenOverrides(),
             &data.stdGenFilters()},
        };
        for (const auto& [name, value] : root.items()) {
            const std::string& key = name; // a lambda may not capture a structured binding
            const auto group = std::find_if(std::begin(groups), std::end(groups),
                                            [&key](const Group& g) { return key == g.key; });
            if (group == std::end(groups)) {
                data.extras().add(key, value.dump());
                continue;
            }
            if (!readGroup(value, *group))
                return false;
        }
        return true;
    }
    const std::string& error() const { return error_; }

private:
    bool fail(const std::string& where, const std::string& what) {
        error_ = where.empty() ? what : where + ": " + what;
        return false;
    }

    static Vdn_String text(const Json& value) {
        return Vdn_String::fromUtf8(value.get_ref<const std::string&>());
    }

    bool readGroup(const Json& rows, const Group& group) {
        if (!rows.is_array())
            return fail(group.key, "expected a list of rows");
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (!readRow(rows[i], std::string(group.key) + "[" + std::to_string(i) + "]", group))
                return false;
        }
        return true;
    }

    bool readRow(const Json& row, const std::string& where, const Group& group) {
        if (!row.is_object())
            return fail(where, "expected an object with name, value and filter");
        Vdn_String name;
        Vdn_String value;
        Vdn_String overrideText;
        Vdn_StringArray filter;
        for (const auto& [key, item] : row.items()) {
            const std::string at = where + "." + key;
            if (key == "name") {
                if (!item.is_string())
                    return fail(at, "expected a text");
                name = text(item);
            } else if (key == "value") {
                if (item.is_string())
                    value = text(item);
                else if (item.is_number())
                    value = Vdn_String::fromUtf8(core::JsonDocument::numberText(item));
                else
                    return fail(at, "expected a number or a text");
            } else if (key == "override" && group.overrides != nullptr) {
                if (!item.is_string())
                    return fail(at, "expected a text");
                overrideText = text(item);
            } else if (key == "filter") {
                if (!readFilter(item, at, filter))
                    return false;
            } else {
                // A row is a grid row of the dialog: what it cannot show it could not keep.
                return fail(at, group.overrides != nullptr
                                    ? "unknown key (a row has name, value, override and filter)"
                                    : "unknown key (a row has name, value and filter)");
            }
        }
        group.names->append(name);
        group.values->append(value);
        if (group.overrides != nullptr)
            group.overrides->append(overrideText);
        group.filters->append(arrToStr(filter, L';'));
        return true;
    }

    bool readFilter(const Json& list, const std::string& where, Vdn_StringArray& filter) {
        if (!list.is_array())
            return fail(where, "expected a list of paths");
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = where + "[" + std::to_string(i) + "]";
            if (!list[i].is_string())
                return fail(at, "expected a path as text");
            const Vdn_String path = text(list[i]);
            if (path.isEmpty())
                return fail(at, "an empty path");
            // The record joins the paths with ';'.
            if (path.find(L";") >= 0)
                return fail(at, "a path must not contain ';'");
            filter.append(path);
        }
        return true;
    }

    std::string error_;
};

Json filterJson(const Vdn_String& filter) {
    Json paths = Json::array();
    for (const Vdn_String& path : strToArr(filter, L';')) {
        if (!path.isEmpty())
            paths.push_back(path.toUtf8());
    }
    return paths;
}

const Vdn_String& entry(const Vdn_StringArray& list, int index) {
    static const Vdn_String kEmpty;
    return index < list.length() ? list[index] : kEmpty;
}

Json groupJson(const Vdn_StringArray& names, const Vdn_StringArray& values,
               const Vdn_StringArray* overrides, const Vdn_StringArray& filters) {
    Json rows = Json::array();
    for (int i = 0; i < names.length(); ++i) {
        Json row{{"name", names[i].toUtf8()}, {"value", entry(values, i).toUtf8()}};
        if (overrides != nullptr)
            row["override"] = entry(*overrides, i).toUtf8();
        row["filter"] = filterJson(entry(filters, i));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

GenVarsReadResult readGenVarsText(std::string_view utf8Json) {
    return readJsonRecordText<Reader, TfAutoStandardsData>(utf8Json, kMaxNesting);
}

GenVarsReadResult readGenVarsFile(const Vdn_String& path) {
    return readJsonRecordFile<Reader, TfAutoStandardsData>(path, L"the general-variables file",
                                                           kMaxNesting);
}

std::string genVarsToJsonText(const TfAutoStandardsData& data) {
    Json root{{kDrawingKey,
               groupJson(data.dwgGenVars(), data.dwgGenValues(), nullptr, data.dwgGenFilters())},
              {kStandardsKey, groupJson(data.stdGenVars(), data.stdGenValues(),
                                        &data.stdGenOverrides(), data.stdGenFilters())}};
    for (const auto& [key, jsonText] : data.extras().entries())
        root[key] = Json::parse(jsonText, nullptr, false);
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool writeGenVarsFile(const TfAutoStandardsData& data, const std::filesystem::path& path) {
    return io::writeFileAtomically(path, genVarsToJsonText(data)).ok();
}

} // namespace core
