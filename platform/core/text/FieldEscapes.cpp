#include "platform/core/text/FieldEscapes.h"

namespace core {

Vdn_String escapeField(const Vdn_String& text) {
    std::wstring out;
    out.reserve(text.str().size());
    for (const wchar_t ch : text.str()) {
        switch (ch) {
        case L'\\':
            out += L"\\\\";
            break;
        case L'\t':
            out += L"\\t";
            break;
        case L'\n':
            out += L"\\n";
            break;
        case L'\r':
            out += L"\\r";
            break;
        default:
            out += ch;
        }
    }
    return Vdn_String(std::move(out));
}

std::optional<Vdn_String> unescapeField(const Vdn_String& field) {
    std::wstring out;
    const std::wstring& s = field.str();
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != L'\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size())
            return std::nullopt;
        switch (s[i]) {
        case L'\\':
            out += L'\\';
            break;
        case L't':
            out += L'\t';
            break;
        case L'n':
            out += L'\n';
            break;
        case L'r':
            out += L'\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return Vdn_String(std::move(out));
}

} // namespace core
