#include "platform/ui/registry/RegistryText.h"

#include "platform/core/text/CharCase.h"
#include "platform/core/text/TextCodec.h"
#include "platform/ui/registry/RegistryTypes.h"

#include <cstring>
#include <cwchar>

namespace ui {

namespace {

constexpr wchar_t kHexDigits[] = L"0123456789abcdef";

bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t';
}

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && (isBlank(text.front()) || text.front() == L'\r'))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == L'\r'))
        text.remove_suffix(1);
    return text;
}

int hexValue(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9')
        return ch - L'0';
    if (ch >= L'a' && ch <= L'f')
        return ch - L'a' + 10;
    if (ch >= L'A' && ch <= L'F')
        return ch - L'A' + 10;
    return -1;
}

// 1 to 8 hexadecimal digits; nullopt otherwise.
std::optional<std::uint32_t> parseHexNumber(std::wstring_view digits) {
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t number = 0;
    for (wchar_t ch : digits) {
        const int digit = hexValue(ch);
        if (digit < 0)
            return std::nullopt;
        number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    return number;
}

std::wstring quoted(std::wstring_view text) {
    std::wstring result = L"\"";
    for (wchar_t ch : text) {
        if (ch == L'\\' || ch == L'"')
            result += L'\\';
        result += ch;
    }
    result += L'"';
    return result;
}

bool isScalarValue(wchar_t ch) {
    const auto code = static_cast<std::uint32_t>(ch);
    return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

// A REG_SZ whose data is one line of text followed by exactly one null.
bool isPlainText(const RegistryValue& value) {
    if (value.type != REG_SZ || value.data.size() % sizeof(wchar_t) != 0)
        return false;
    const std::wstring units = value.units();
    if (units.empty() || units.back() != L'\0')
        return false;
    for (std::size_t i = 0; i + 1 < units.size(); ++i) {
        const wchar_t ch = units[i];
        if (ch == L'\0' || ch == L'\r' || ch == L'\n' || !isScalarValue(ch))
            return false;
    }
    return true;
}

// The bytes a value shows in hex form: text types as UTF-16 LE, others as they are.
std::string hexBytes(const RegistryValue& value) {
    if (isRegistryTextType(value.type))
        return core::TextCodec::encodeUtf16(value.units(), false);
    return std::string(value.data.begin(), value.data.end());
}

std::wstring formatData(const RegistryValue& value) {
    if (isPlainText(value)) {
        std::wstring text = value.units();
        text.pop_back();
        return quoted(text);
    }
    if (const auto number = value.dword()) {
        wchar_t digits[16];
        std::swprintf(digits, 16, L"dword:%08x", static_cast<unsigned>(*number));
        return digits;
    }
    std::wstring result;
    if (value.type == REG_BINARY) {
        result = L"hex:";
    } else {
        wchar_t prefix[24];
        std::swprintf(prefix, 24, L"hex(%x):", static_cast<unsigned>(value.type));
        result = prefix;
    }
    const std::string bytes = hexBytes(value);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (i > 0)
            result += L',';
        result += kHexDigits[byte >> 4];
        result += kHexDigits[byte & 0x0F];
    }
    return result;
}

void formatKey(const RegistryKey& key, const std::wstring& path, bool isRoot, std::wstring& out) {
    if (!isRoot || !key.values().empty()) {
        out += L'[' + path + L"]\n";
        for (const RegistryKey::NamedValue& entry : key.values()) {
            out += entry.name.empty() ? std::wstring(L"@") : quoted(entry.name);
            out += L'=' + formatData(entry.value) + L'\n';
        }
        out += L'\n';
    }
    for (const RegistryKey::Ptr& sub : key.subKeys())
        formatKey(*sub, path + L'\\' + sub->name(), false, out);
}

// Reads the lines of one file and keeps the number of the current one.
class LineReader {
public:
    explicit LineReader(std::wstring_view text) : text_(text) {}

    // A line end at the very end of the text does not start another line.
    bool next(std::wstring_view& line) {
        if (position_ > text_.size() || (position_ == text_.size() && position_ > 0))
            return false;
        std::size_t end = text_.find(L'\n', position_);
        if (end == std::wstring_view::npos)
            end = text_.size();
        line = text_.substr(position_, end - position_);
        if (!line.empty() && line.back() == L'\r')
            line.remove_suffix(1);
        position_ = end + 1;
        ++line_;
        return true;
    }
    int lineNumber() const { return line_; }

private:
    std::wstring_view text_;
    std::size_t position_ = 0;
    int line_ = 0;
};

class Parser {
public:
    Parser(std::wstring_view text, std::wstring_view rootName)
        : reader_(text), rootName_(rootName),
          root_(std::make_shared<RegistryKey>(std::wstring(rootName))) {}

    RegistryText::Parsed run() {
        std::wstring_view line;
        bool seenHeader = false;
        while (reader_.next(line)) {
            line = trimmed(line);
            if (!seenHeader && reader_.lineNumber() == 1 && !line.empty() &&
                line.front() == L'\xFEFF')
                line = trimmed(line.substr(1));
            if (line.empty() || line.front() == L';')
                continue;
            if (!seenHeader) {
                if (line != RegistryText::header)
                    return fail(L"the file does not start with \"" +
                                std::wstring(RegistryText::header) + L"\"");
                seenHeader = true;
                continue;
            }
            const bool ok = line.front() == L'[' ? parseSection(line) : parseValue(line);
            if (!ok)
                return {nullptr, std::move(error_)};
        }
        if (!seenHeader)
            return fail(L"the file is empty");
        return {root_, std::nullopt};
    }

private:
    RegistryText::Parsed fail(std::wstring reason) {
        return {nullptr, RegistryText::Error{std::max(reader_.lineNumber(), 1), std::move(reason)}};
    }
    bool error(std::wstring reason, int line = 0) {
        error_ = RegistryText::Error{line > 0 ? line : reader_.lineNumber(), std::move(reason)};
        return false;
    }

    bool parseSection(std::wstring_view line) {
        if (line.back() != L']')
            return error(L"a key line must end with ']'");
        std::wstring_view path = line.substr(1, line.size() - 2);
        if (!path.empty() && path.front() == L'-')
            return error(L"key deletion entries are not supported");
        std::size_t separator = path.find(L'\\');
        if (!core::equalNoCase(path.substr(0, separator), rootName_))
            return error(L"the key does not belong to " + std::wstring(rootName_));
        RegistryKey::Ptr key = root_;
        int depth = 0;
        while (separator != std::wstring_view::npos) {
            path.remove_prefix(separator + 1);
            separator = path.find(L'\\');
            const std::wstring_view name = path.substr(0, separator);
            if (name.empty())
                return error(L"the key path has an empty name");
            if (name.size() > kMaxKeyNameLength)
                return error(L"a key name is longer than 255 characters");
            if (++depth > kMaxKeyDepth)
                return error(L"the key path is nested deeper than 512 keys");
            key = key->addSubKey(name);
        }
        key_ = key;
        return true;
    }

    // A quoted text at the start of rest; rest continues after the closing quote.
    bool parseQuoted(std::wstring_view& rest, std::wstring& text) {
        text.clear();
        for (std::size_t i = 1; i < rest.size(); ++i) {
            const wchar_t ch = rest[i];
            if (ch == L'"') {
                rest.remove_prefix(i + 1);
                return true;
            }
            if (ch == L'\\') {
                if (i + 1 >= rest.size() || (rest[i + 1] != L'\\' && rest[i + 1] != L'"'))
                    return error(L"unknown escape in a quoted text (only \\\\ and \\\" exist)");
                text += rest[++i];
            } else {
                text += ch;
            }
        }
        return error(L"a quoted text has no closing quote");
    }

    bool parseValue(std::wstring_view line) {
        if (!key_)
            return error(L"a value appears before the first key");
        const int startLine = reader_.lineNumber();
        std::wstring name;
        std::wstring_view rest = line;
        if (rest.front() == L'@') {
            rest.remove_prefix(1);
        } else if (rest.front() == L'"') {
            if (!parseQuoted(rest, name))
                return false;
            if (name.size() > kMaxValueNameLength)
                return error(L"a value name is longer than 16383 characters");
        } else {
            return error(L"expected a key in [brackets], a value name in quotes or @");
        }
        rest = trimmed(rest);
        if (rest.empty() || rest.front() != L'=')
            return error(L"expected '=' after the value name");
        rest = trimmed(rest.substr(1));
        RegistryValue value;
        if (!parseData(rest, value, startLine))
            return false;
        key_->setValue(name, std::move(value));
        return true;
    }

    bool parseData(std::wstring_view rest, RegistryValue& value, int startLine) {
        if (rest == L"-")
            return error(L"value deletion entries are not supported");
        if (!rest.empty() && rest.front() == L'"') {
            std::wstring text;
            if (!parseQuoted(rest, text))
                return false;
            if (!trimmed(rest).empty())
                return error(L"unexpected text after the closing quote");
            value = RegistryValue::fromText(text, REG_SZ);
            return true;
        }
        if (rest.starts_with(L"dword:")) {
            const auto number = parseHexNumber(rest.substr(6));
            if (!number)
                return error(L"a dword value needs 1 to 8 hexadecimal digits");
            value = RegistryValue::fromDword(*number);
            return true;
        }
        if (!rest.starts_with(L"hex"))
            return error(L"unrecognised value (expected \"text\", dword: or hex:)");
        rest.remove_prefix(3);
        std::uint32_t type = REG_BINARY;
        if (!rest.empty() && rest.front() == L'(') {
            const std::size_t close = rest.find(L')');
            const auto code = close == std::wstring_view::npos
                                  ? std::nullopt
                                  : parseHexNumber(rest.substr(1, close - 1));
            if (!code)
                return error(L"hex( must hold a hexadecimal type number and ')'");
            type = *code;
            rest.remove_prefix(close + 1);
        }
        if (rest.empty() || rest.front() != L':')
            return error(L"expected ':' after hex");
        rest.remove_prefix(1);
        std::string bytes;
        if (!parseByteList(rest, bytes, startLine))
            return false;
        value.type = type;
        if (isRegistryTextType(type)) {
            if (bytes.size() % 2 != 0)
                return error(L"a text value in hex form needs an even number of bytes", startLine);
            const std::wstring units = core::TextCodec::decodeUtf16(bytes, false);
            value.data.resize(units.size() * sizeof(wchar_t));
            if (!units.empty())
                std::memcpy(value.data.data(), units.data(), value.data.size());
        } else {
            value.data.assign(bytes.begin(), bytes.end());
        }
        return true;
    }

    // Comma-separated bytes of two hexadecimal digits, continued on the next line after a
    // trailing '\'.
    bool parseByteList(std::wstring_view rest, std::string& bytes, int startLine) {
        std::wstring list(trimmed(rest));
        while (!list.empty() && list.back() == L'\\') {
            list.pop_back();
            std::wstring_view next;
            if (!reader_.next(next))
                return error(L"the file ends inside a continued hex list", startLine);
            list += trimmed(next);
        }
        if (trimmed(list).empty())
            return true;
        std::wstring_view items = list;
        while (true) {
            const std::size_t comma = items.find(L',');
            const std::wstring_view item = trimmed(items.substr(0, comma));
            const auto byte = item.size() <= 2 ? parseHexNumber(item) : std::nullopt;
            if (!byte)
                return error(L"a hex list holds something other than bytes", startLine);
            bytes += static_cast<char>(*byte);
            if (comma == std::wstring_view::npos)
                return true;
            items.remove_prefix(comma + 1);
        }
    }

    LineReader reader_;
    std::wstring_view rootName_;
    RegistryKey::Ptr root_;
    RegistryKey::Ptr key_;
    std::optional<RegistryText::Error> error_;
};

} // namespace

RegistryText::Parsed RegistryText::parse(std::wstring_view text, std::wstring_view rootName) {
    return Parser(text, rootName).run();
}

std::wstring RegistryText::format(const RegistryKey& root, std::wstring_view rootName) {
    std::wstring out = std::wstring(header) + L"\n\n";
    formatKey(root, std::wstring(rootName), true, out);
    return out;
}

} // namespace ui
