#pragma once

#include "platform/core/text/Vdn_StringArray.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

// An ordered list of typed values under text keys. Setting a key that exists replaces its
// type and value in place (the key keeps its position); new keys go to the end.
//
// Two text forms:
//  - toString/fromString: the compact form that travels in sheets and print-settings files:
//    for each item key, U+00A4, the type number, U+00A4, the value, U+00A4. A real has two
//    decimals there (so it does not round-trip exactly), a bool is 0 or 1, a text is as is.
//  - writeToFile/readFromFile: an exact file form (see core-files.md) in which every value,
//    every real and every character of a text reads back as written.
class Vdn_PropertiesList {
public:
    // The numbers are those of the serialised form.
    enum class Type { None = 0, Real = 1, Integer = 2, Bool = 3, Text = 4 };

    void setNone(const Vdn_String& key);
    void setDouble(const Vdn_String& key, double value);
    void setInt(const Vdn_String& key, int value);
    void setBool(const Vdn_String& key, bool value);
    void setString(const Vdn_String& key, const Vdn_String& value);

    // False (value unchanged) when the key is missing or holds another type.
    bool getDouble(const Vdn_String& key, double& value) const;
    bool getInt(const Vdn_String& key, int& value) const;
    bool getBool(const Vdn_String& key, bool& value) const;
    bool getString(const Vdn_String& key, Vdn_String& value) const;

    // The type stored under key, or nullopt when the key is missing.
    std::optional<Type> type(const Vdn_String& key) const;
    bool contains(const Vdn_String& key) const { return indexOf(key) >= 0; }
    Vdn_StringArray keys() const;
    int length() const { return static_cast<int>(items_.size()); }
    bool remove(const Vdn_String& key);
    void clear() {
        items_.clear();
        index_.clear();
    }

    // The compact form. False (text emptied) when a key or a text value holds U+00A4, which
    // that form cannot carry.
    bool toString(Vdn_String& text) const;
    // Replaces the list by the items of the compact form; a repeated key keeps its first
    // position and its last value. False (list unchanged) when the text is damaged.
    bool fromString(const Vdn_String& text);

    bool writeToFile(const Vdn_String& path) const;
    // False (list unchanged) when the file cannot be read or is damaged.
    bool readFromFile(const Vdn_String& path);

    friend bool operator==(const Vdn_PropertiesList& a, const Vdn_PropertiesList& b);

    static constexpr wchar_t kSeparator = L'\u00A4';

private:
    using Value = std::variant<std::monostate, double, int, bool, Vdn_String>;
    struct Item {
        Vdn_String key;
        Value value;
    };

    int indexOf(const Vdn_String& key) const;
    void set(const Vdn_String& key, Value value);
    template <typename T> bool get(const Vdn_String& key, T& value) const;

    std::vector<Item> items_;
    // Where each key is in items_: settings with thousands of keys (print variables) are
    // looked up in constant time, not by a pass over the list.
    std::unordered_map<std::wstring, std::size_t> index_;
};
