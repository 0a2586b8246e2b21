#include "platform/core/files/Vdn_PropertiesList.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/FieldEscapes.h"
#include "platform/core/text/StringHelpers.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <unordered_set>

namespace {

using Type = Vdn_PropertiesList::Type;

constexpr const wchar_t* kFileHeader = L"Vdn_PropertiesList 1";

std::optional<Type> typeFromNumber(const Vdn_String& text) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || text.length() != 1 || number < 0 || number > 4)
        return std::nullopt;
    return static_cast<Type>(number);
}

std::optional<int> parseInt(const Vdn_String& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || text.trim().length() != text.length())
        return std::nullopt;
    return value;
}

std::optional<bool> parseBool(const Vdn_String& text) {
    if (text == L"0" || text == L"1")
        return text == L"1";
    return std::nullopt;
}

// Exact text of a double: the shortest form that reads back as the same value.
Vdn_String exactDouble(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Vdn_String::fromUtf8(
        std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

std::optional<double> parseExactDouble(const Vdn_String& text) {
    const std::string ascii = text.toUtf8();
    if (ascii.empty() || ascii.front() == '+')
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

} // namespace

int Vdn_PropertiesList::indexOf(const Vdn_String& key) const {
    const auto found = index_.find(key.str());
    return found == index_.end() ? -1 : static_cast<int>(found->second);
}

void Vdn_PropertiesList::set(const Vdn_String& key, Value value) {
    const int index = indexOf(key);
    if (index >= 0) {
        items_[static_cast<std::size_t>(index)].value = std::move(value);
        return;
    }
    index_.emplace(key.str(), items_.size());
    items_.push_back(Item{key, std::move(value)});
}

template <typename T> bool Vdn_PropertiesList::get(const Vdn_String& key, T& value) const {
    const int index = indexOf(key);
    if (index < 0)
        return false;
    const T* stored = std::get_if<T>(&items_[static_cast<std::size_t>(index)].value);
    if (!stored)
        return false;
    value = *stored;
    return true;
}

void Vdn_PropertiesList::setNone(const Vdn_String& key) {
    set(key, std::monostate{});
}
void Vdn_PropertiesList::setDouble(const Vdn_String& key, double value) {
    set(key, value);
}
void Vdn_PropertiesList::setInt(const Vdn_String& key, int value) {
    set(key, value);
}
void Vdn_PropertiesList::setBool(const Vdn_String& key, bool value) {
    set(key, value);
}
void Vdn_PropertiesList::setString(const Vdn_String& key, const Vdn_String& value) {
    set(key, value);
}

bool Vdn_PropertiesList::getDouble(const Vdn_String& key, double& value) const {
    return get(key, value);
}
bool Vdn_PropertiesList::getInt(const Vdn_String& key, int& value) const {
    return get(key, value);
}
bool Vdn_PropertiesList::getBool(const Vdn_String& key, bool& value) const {
    return get(key, value);
}
bool Vdn_PropertiesList::getString(const Vdn_String& key, Vdn_String& value) const {
    return get(key, value);
}

std::optional<Vdn_PropertiesList::Type> Vdn_PropertiesList::type(const Vdn_String& key) const {
    const int index = indexOf(key);
    if (index < 0)
        return std::nullopt;
    // The variant's alternatives are in the order of the type numbers.
    return static_cast<Type>(items_[static_cast<std::size_t>(index)].value.index());
}

Vdn_StringArray Vdn_PropertiesList::keys() const {
    Vdn_StringArray result;
    for (const Item& item : items_)
        result.append(item.key);
    return result;
}

bool Vdn_PropertiesList::remove(const Vdn_String& key) {
    const int index = indexOf(key);
    if (index < 0)
        return false;
    items_.erase(items_.begin() + index);
    index_.erase(key.str());
    for (auto& [name, at] : index_) {
        if (at > static_cast<std::size_t>(index))
            --at;
    }
    return true;
}

bool operator==(const Vdn_PropertiesList& a, const Vdn_PropertiesList& b) {
    if (a.items_.size() != b.items_.size())
        return false;
    for (std::size_t i = 0; i < a.items_.size(); ++i) {
        const auto& x = a.items_[i];
        const auto& y = b.items_[i];
        if (x.key != y.key || x.value.index() != y.value.index())
            return false;
        // Reals compare by bits, so that NaN equals itself and -0 differs from 0.
        if (const double* dx = std::get_if<double>(&x.value)) {
            if (std::memcmp(dx, std::get_if<double>(&y.value), sizeof(double)) != 0)
                return false;
        } else if (x.value != y.value) {
            return false;
        }
    }
    return true;
}

bool Vdn_PropertiesList::toString(Vdn_String& text) const {
    text = Vdn_String();
    std::wstring out;
    for (const Item& item : items_) {
        Vdn_String value;
        if (const double* d = std::get_if<double>(&item.value))
            value = Vdn_String(*d, 2);
        else if (const int* i = std::get_if<int>(&item.value))
            value = Vdn_String(*i);
        else if (const bool* b = std::get_if<bool>(&item.value))
            value = *b ? L"1" : L"0";
        else if (const Vdn_String* s = std::get_if<Vdn_String>(&item.value))
            value = *s;
        if (item.key.find(Vdn_String(std::wstring(1, kSeparator))) >= 0 ||
            value.find(Vdn_String(std::wstring(1, kSeparator))) >= 0)
            return false;
        out += item.key.str();
        out += kSeparator;
        out += std::to_wstring(item.value.index());
        out += kSeparator;
        out += value.str();
        out += kSeparator;
    }
    text = Vdn_String(std::move(out));
    return true;
}

bool Vdn_PropertiesList::fromString(const Vdn_String& text) {
    const std::wstring& s = text.str();
    if (!s.empty() && s.back() != kSeparator)
        return false;
    const Vdn_StringArray fields = strToArr(text.substr(0, text.length() - 1), kSeparator);
    if (fields.length() % 3 != 0)
        return false;
    Vdn_PropertiesList parsed;
    for (int i = 0; i < fields.length(); i += 3) {
        const Vdn_String& key = fields[i];
        const std::optional<Type> itemType = typeFromNumber(fields[i + 1]);
        const Vdn_String& value = fields[i + 2];
        if (!itemType)
            return false;
        switch (*itemType) {
        case Type::None:
            parsed.setNone(key);
            break;
        case Type::Real: {
            bool ok = false;
            const double d = value.toDouble(&ok);
            if (!ok)
                return false;
            parsed.setDouble(key, d);
            break;
        }
        case Type::Integer: {
            const std::optional<int> i = parseInt(value);
            if (!i)
                return false;
            parsed.setInt(key, *i);
            break;
        }
        case Type::Bool: {
            const std::optional<bool> b = parseBool(value);
            if (!b)
                return false;
            parsed.setBool(key, *b);
            break;
        }
        case Type::Text:
            parsed.setString(key, value);
            break;
        }
    }
    *this = std::move(parsed);
    return true;
}

bool Vdn_PropertiesList::writeToFile(const Vdn_String& path) const {
    Vdn_StringArray lines;
    lines.append(kFileHeader);
    for (const Item& item : items_) {
        Vdn_String value;
        if (const double* d = std::get_if<double>(&item.value))
            value = exactDouble(*d);
        else if (const int* i = std::get_if<int>(&item.value))
            value = Vdn_String(*i);
        else if (const bool* b = std::get_if<bool>(&item.value))
            value = *b ? L"1" : L"0";
        else if (const Vdn_String* s = std::get_if<Vdn_String>(&item.value))
            value = core::escapeField(*s);
        lines.append(Vdn_String(static_cast<int>(item.value.index())) + L"\t" +
                     core::escapeField(item.key) + L"\t" + value);
    }
    return ObjectExportWriteFile(path, lines);
}

bool Vdn_PropertiesList::readFromFile(const Vdn_String& path) {
    Vdn_StringArray lines;
    if (!ObjectExportReadFile(path, lines) || lines.isEmpty() || lines[0] != kFileHeader)
        return false;
    Vdn_PropertiesList parsed;
    std::unordered_set<Vdn_String> seen;
    for (int i = 1; i < lines.length(); ++i) {
        const Vdn_StringArray fields = strToArr(lines[i], L'\t');
        if (fields.length() != 3)
            return false;
        const std::optional<Type> itemType = typeFromNumber(fields[0]);
        const std::optional<Vdn_String> key = core::unescapeField(fields[1]);
        if (!itemType || !key || !seen.insert(*key).second)
            return false;
        const Vdn_String& value = fields[2];
        switch (*itemType) {
        case Type::None:
            if (!value.isEmpty())
                return false;
            parsed.setNone(*key);
            break;
        case Type::Real: {
            const std::optional<double> d = parseExactDouble(value);
            if (!d)
                return false;
            parsed.setDouble(*key, *d);
            break;
        }
        case Type::Integer: {
            const std::optional<int> n = parseInt(value);
            if (!n)
                return false;
            parsed.setInt(*key, *n);
            break;
        }
        case Type::Bool: {
            const std::optional<bool> b = parseBool(value);
            if (!b)
                return false;
            parsed.setBool(*key, *b);
            break;
        }
        case Type::Text: {
            const std::optional<Vdn_String> s = core::unescapeField(value);
            if (!s)
                return false;
            parsed.setString(*key, *s);
            break;
        }
        }
    }
    *this = std::move(parsed);
    return true;
}
