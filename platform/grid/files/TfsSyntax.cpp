#include "platform/grid/files/TfsSyntax.h"

#include "platform/grid/files/BackslashEscapes.h"
#include "platform/grid/files/TextCodec.h"

namespace grid {

namespace {

int hexDigit(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9')
        return ch - L'0';
    if (ch >= L'a' && ch <= L'f')
        return ch - L'a' + 10;
    if (ch >= L'A' && ch <= L'F')
        return ch - L'A' + 10;
    return -1;
}

std::wstring hexDigits(unsigned long value) {
    static const wchar_t* kDigits = L"0123456789ABCDEF";
    std::wstring out;
    do {
        out.insert(out.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return out;
}

} // namespace

std::wstring TfsSyntax::quote(std::wstring_view text) {
    std::wstring out = L"\"";
    for (const wchar_t ch : text) {
        if (ch == L'"')
            out += L"\\\"";
        else if (appendBackslashEscape(out, ch))
            continue;
        else if (static_cast<unsigned long>(ch) < 0x20 || ch == 0x7F || !TextCodec::isEncodable(ch))
            out += L"\\u{" + hexDigits(static_cast<std::uint32_t>(ch)) + L"}";
        else
            out += ch;
    }
    out += L'"';
    return out;
}

bool TfsSyntax::split(std::wstring_view line, std::vector<Field>& fields, std::wstring& error) {
    fields.clear();
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == L' ' || line[i] == L'\t'))
            ++i;
        if (i >= line.size())
            return true;
        Field field;
        if (line[i] != L'"') {
            const std::size_t start = i;
            while (i < line.size() && line[i] != L' ' && line[i] != L'\t')
                ++i;
            field.text = std::wstring(line.substr(start, i - start));
            fields.push_back(std::move(field));
            continue;
        }
        field.quoted = true;
        ++i;
        while (true) {
            if (i >= line.size()) {
                error = L"text without closing quote";
                return false;
            }
            const wchar_t ch = line[i++];
            if (ch == L'"')
                break;
            if (ch != L'\\') {
                field.text.push_back(ch);
                continue;
            }
            if (i >= line.size()) {
                error = L"text without closing quote";
                return false;
            }
            const wchar_t escaped = line[i++];
            if (const std::optional<wchar_t> shared = backslashEscaped(escaped)) {
                field.text.push_back(*shared);
                continue;
            }
            switch (escaped) {
            case L'"':
                field.text.push_back(escaped);
                break;
            case L'u': {
                if (i >= line.size() || line[i] != L'{') {
                    error = L"bad \\u escape";
                    return false;
                }
                ++i;
                unsigned long code = 0;
                int digits = 0;
                while (i < line.size() && hexDigit(line[i]) >= 0 && digits < 8) {
                    code = code * 16 + static_cast<unsigned long>(hexDigit(line[i++]));
                    ++digits;
                }
                if (digits == 0 || i >= line.size() || line[i] != L'}') {
                    error = L"bad \\u escape";
                    return false;
                }
                ++i;
                field.text.push_back(static_cast<wchar_t>(static_cast<std::uint32_t>(code)));
                break;
            }
            default:
                error = L"unknown escape \\" + std::wstring(1, escaped);
                return false;
            }
        }
        if (i < line.size() && line[i] != L' ' && line[i] != L'\t') {
            error = L"text after closing quote";
            return false;
        }
        fields.push_back(std::move(field));
    }
}

std::wstring TfsSyntax::hex(std::uint32_t value) {
    return L"0x" + hexDigits(value);
}

std::optional<long long> TfsSyntax::integer(std::wstring_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == L'-';
    if (negative)
        ++i;
    if (i >= text.size() || text.size() - i > 12)
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return std::nullopt;
        value = value * 10 + (text[i] - L'0');
    }
    return negative ? -value : value;
}

std::optional<std::uint32_t> TfsSyntax::word(std::wstring_view text) {
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        if (text.size() > 10)
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 2; i < text.size(); ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0)
                return std::nullopt;
            value = value * 16 + static_cast<std::uint32_t>(d);
        }
        return value;
    }
    const auto value = integer(text);
    if (!value || *value < 0 || *value > 0xFFFFFFFFLL)
        return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

} // namespace grid
