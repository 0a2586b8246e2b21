// Reading and writing workshop settings files (docs/workshop-settings.md).
#include "platform/core/workshop/WsUiSettingsFile.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/JsonDocument.h"
#include "platform/core/text/JsonNesting.h"
#include "platform/core/workshop/WsUiMemberWalk.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

constexpr int kMaxNesting = 64;

std::string at(const std::string& where, const std::string& key) {
    return where.empty() ? key : where + "." + key;
}
std::string at(const std::string& where, std::size_t index) {
    return where + "[" + std::to_string(index) + "]";
}

// The member names a part lists, in order.
class MemberNames {
public:
    template <typename F> void leaf(const char* name, const F&, WsUiRange = kWsUiAnyInt) {
        names.push_back(name);
    }
    template <typename R> void record(const char* name, const R&) { names.push_back(name); }
    template <typename T> void list(const char* name, const Vdn_Array<T>&) {
        names.push_back(name);
    }
    bool contains(const std::string& key) const {
        return std::find(names.begin(), names.end(), key) != names.end();
    }

    std::vector<std::string> names;
};

// Reads the members of one part from its JSON object; the first problem ends the read.
class PartReader {
public:
    PartReader(const Json& object, std::string where, std::string& error)
        : object_(object), where_(std::move(where)), error_(error) {}

    template <typename R>
    static bool read(const Json& object, const std::string& where, R& part, std::string& error) {
        if (!object.is_object())
            return fail(error, where, "expected an object");
        PartReader reader(object, where, error);
        R::visitMembers(part, reader);
        if (!reader.ok_)
            return false;
        MemberNames known;
        R::visitMembers(std::as_const(part), known);
        for (const auto& item : object.items()) {
            if (!known.contains(item.key()))
                part.unknownKeys().add(
                    item.key(), item.value().dump(-1, ' ', false, Json::error_handler_t::replace));
        }
        return true;
    }

    template <typename F> void leaf(const char* key, F& member, WsUiRange range = kWsUiAnyInt) {
        if (const Json* value = find(key))
            ok_ = readValue(*value, at(where_, key), member, range);
    }
    template <typename R> void record(const char* key, R& part) {
        if (const Json* value = find(key))
            ok_ = read(*value, at(where_, key), part, error_);
    }
    template <typename T> void list(const char* key, Vdn_Array<T>& items) {
        const Json* array = find(key);
        if (!array)
            return;
        const std::string where = at(where_, key);
        if (!array->is_array()) {
            ok_ = fail(error_, where, "expected a list");
            return;
        }
        Vdn_Array<T> read;
        for (std::size_t i = 0; i < array->size(); ++i) {
            T item;
            const std::string itemWhere = at(where, i);
            if (!PartReader::read((*array)[i], itemWhere, item, error_)) {
                ok_ = false;
                return;
            }
            const std::string nameWhere = at(itemWhere, T::kNameKey);
            if (item.name().isEmpty()) {
                ok_ = fail(error_, nameWhere, "a name must not be empty");
                return;
            }
            if (const int other = core::wsui::indexOfElement(read, item.name()); other >= 0) {
                ok_ = fail(error_, nameWhere,
                           "the name \"" + item.name().toUtf8() + "\" is already used by " +
                               at(where, static_cast<std::size_t>(other)) +
                               " (names are compared without regard to case)");
                return;
            }
            read.append(std::move(item));
        }
        items = std::move(read);
    }

private:
    static bool fail(std::string& error, const std::string& where, const std::string& what) {
        error = where.empty() ? what : where + ": " + what;
        return false;
    }

    const Json* find(const char* key) const {
        if (!ok_)
            return nullptr;
        const auto found = object_.find(key);
        return found == object_.end() ? nullptr : &*found;
    }

    // A whole number in range; a flag may also be written true or false.
    bool readNumber(const Json& value, const std::string& where, long& out, WsUiRange range) {
        if (value.is_boolean() && range.low == kWsUiFlag.low && range.high == kWsUiFlag.high) {
            out = value.get<bool>() ? 1 : 0;
            return true;
        }
        if (!value.is_number_integer())
            return fail(error_, where, "expected a whole number");
        const bool inRange =
            value.is_number_unsigned()
                ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(range.high)
                : value.get<std::int64_t>() >= range.low && value.get<std::int64_t>() <= range.high;
        if (!inRange)
            return fail(error_, where,
                        value.dump() + " is not between " + std::to_string(range.low) + " and " +
                            std::to_string(range.high));
        out = static_cast<long>(value.get<std::int64_t>());
        return true;
    }

    bool readValue(const Json& value, const std::string& where, Vdn_String& out, WsUiRange) {
        if (!value.is_string())
            return fail(error_, where, "expected a text");
        out = Vdn_String::fromUtf8(value.get_ref<const std::string&>());
        return true;
    }
    bool readValue(const Json& value, const std::string& where, int& out, WsUiRange range) {
        long number = 0;
        if (!readNumber(value, where, number, range))
            return false;
        out = static_cast<int>(number);
        return true;
    }
    bool readValue(const Json& value, const std::string& where, long& out, WsUiRange range) {
        return readNumber(value, where, out, range);
    }
    template <typename T>
    bool readList(const Json& value, const std::string& where, Vdn_Array<T>& out,
                  bool (PartReader::*readOne)(const Json&, const std::string&, T&)) {
        if (!value.is_array())
            return fail(error_, where, "expected a list");
        Vdn_Array<T> items;
        for (std::size_t i = 0; i < value.size(); ++i) {
            T item{};
            if (!(this->*readOne)(value[i], at(where, i), item))
                return false;
            items.append(std::move(item));
        }
        out = std::move(items);
        return true;
    }
    bool readInt(const Json& value, const std::string& where, int& out) {
        return readValue(value, where, out, kWsUiAnyInt);
    }
    bool readText(const Json& value, const std::string& where, Vdn_String& out) {
        return readValue(value, where, out, kWsUiAnyInt);
    }
    bool readScale(const Json& value, const std::string& where, double& out) {
        if (!value.is_number())
            return fail(error_, where, "expected a number");
        const double scale = value.get<double>();
        if (!std::isfinite(scale) || scale <= 0)
            return fail(error_, where, "a scale must be a number above 0");
        out = scale;
        return true;
    }
    bool readValue(const Json& value, const std::string& where, Vdn_Array<int>& out, WsUiRange) {
        return readList(value, where, out, &PartReader::readInt);
    }
    bool readValue(const Json& value, const std::string& where, Vdn_StringArray& out, WsUiRange) {
        Vdn_Array<Vdn_String> texts;
        if (!readList(value, where, texts, &PartReader::readText))
            return false;
        out = Vdn_StringArray(std::move(texts.items()));
        return true;
    }
    bool readValue(const Json& value, const std::string& where, Vdn_Array<double>& out, WsUiRange) {
        return readList(value, where, out, &PartReader::readScale);
    }

    const Json& object_;
    const std::string where_;
    std::string& error_;
    bool ok_ = true;
};

Json valueJson(const Vdn_String& value) {
    return value.toUtf8();
}
Json valueJson(int value) {
    return value;
}
Json valueJson(long value) {
    return static_cast<std::int64_t>(value);
}
Json valueJson(const Vdn_Array<int>& values) {
    Json array = Json::array();
    for (const int value : values)
        array.push_back(value);
    return array;
}
Json valueJson(const Vdn_StringArray& values) {
    Json array = Json::array();
    for (const Vdn_String& value : values)
        array.push_back(value.toUtf8());
    return array;
}
// Whole scales are written as whole numbers (10, not 10.0).
Json valueJson(const Vdn_Array<double>& values) {
    Json array = Json::array();
    for (const double value : values) {
        if (std::trunc(value) == value && std::fabs(value) < 1e15)
            array.push_back(static_cast<std::int64_t>(value));
        else
            array.push_back(value);
    }
    return array;
}

// Writes the members of one part into a JSON object, then the kept unknown keys.
class PartWriter {
public:
    template <typename R> static Json write(const R& part) {
        PartWriter writer;
        R::visitMembers(part, writer);
        for (const auto& [key, jsonText] : part.unknownKeys().entries()) {
            // A kept value that code put there is written only when it is JSON a file may hold.
            if (writer.object_.contains(key) ||
                core::findExcessNesting(jsonText, kMaxNesting) != std::string_view::npos)
                continue;
            Json value = Json::parse(jsonText, nullptr, false);
            if (!value.is_discarded())
                writer.object_[key] = std::move(value);
        }
        return std::move(writer.object_);
    }

    template <typename F> void leaf(const char* key, const F& member, WsUiRange = kWsUiAnyInt) {
        object_[key] = valueJson(member);
    }
    template <typename R> void record(const char* key, const R& part) {
        object_[key] = write(part);
    }
    template <typename T> void list(const char* key, const Vdn_Array<T>& items) {
        Json array = Json::array();
        for (const T& item : items)
            array.push_back(write(item));
        object_[key] = std::move(array);
    }

private:
    Json object_ = Json::object();
};

} // namespace

namespace core {

bool readWsUiSettings(std::string_view utf8Json, WsUiGlobalSettings& settings,
                      Vdn_String& message) {
    Json root;
    if (const auto problem = JsonDocument::parse(utf8Json, kMaxNesting, root)) {
        message = Vdn_String::fromUtf8(*problem);
        return false;
    }
    if (!root.is_object()) {
        message = L"the file does not hold a JSON object";
        return false;
    }
    WsUiGlobalSettings read;
    // Every key may be left out and unknown keys are kept, so without this any JSON object (a
    // macro file, say) would read as the default settings and be written back as them.
    MemberNames known;
    WsUiGlobalSettings::visitMembers(std::as_const(read), known);
    if (std::none_of(known.names.begin(), known.names.end(),
                     [&root](const std::string& key) { return root.contains(key); })) {
        std::string keys;
        for (const std::string& key : known.names)
            keys += (keys.empty() ? "\"" : ", \"") + key + "\"";
        message = Vdn_String::fromUtf8(
            "not a workshop-settings file (it has none of the keys of workshop settings: " + keys +
            ")");
        return false;
    }
    std::string error;
    if (!PartReader::read(root, "", read, error)) {
        message = Vdn_String::fromUtf8(error);
        return false;
    }
    settings = std::move(read);
    return true;
}

bool readWsUiSettingsFile(const Vdn_String& path, WsUiGlobalSettings& settings,
                          Vdn_String& message) {
    const std::optional<std::wstring> text = readTextFile(path);
    if (!text) {
        message = L"cannot read the settings file " + path;
        return false;
    }
    if (!readWsUiSettings(TextCodec::encodeUtf8(*text), settings, message)) {
        message = path + L": " + message;
        return false;
    }
    return true;
}

std::string wsUiSettingsText(const WsUiGlobalSettings& settings) {
    return PartWriter::write(settings).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool writeWsUiSettingsFile(const Vdn_String& path, const WsUiGlobalSettings& settings) {
    return writeTextFile(path, Vdn_String::fromUtf8(wsUiSettingsText(settings)).str(),
                         TextEncoding::Utf8);
}

std::optional<std::string> wsUiSettingsPartText(const WsUiGlobalSettings& settings,
                                                const WsUiSettingPath& path) {
    const Json root = PartWriter::write(settings);
    const Json* at = &root;
    for (const Vdn_String& component : path.components()) {
        const Json* next = nullptr;
        if (at->is_object()) {
            const auto found = at->find(component.toUtf8());
            next = found == at->end() ? nullptr : &*found;
        } else if (at->is_array()) {
            // Elements are named by their first member (mGroupName, mViewName, mFormatName).
            for (const Json& element : *at) {
                if (!element.empty() && element.begin()->is_string() &&
                    Vdn_String::fromUtf8(element.begin()->get_ref<const std::string&>())
                        .equal(component, false)) {
                    next = &element;
                    break;
                }
            }
        }
        if (!next)
            return std::nullopt;
        at = next;
    }
    return at->dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace core
