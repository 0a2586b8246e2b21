#include "platform/core/text/FieldEscapes.h"

#include "platform/grid/files/BackslashEscapes.h"

namespace core {

Vdn_String escapeField(const Vdn_String& text) {
    std::wstring out;
    out.reserve(text.str().size());
    for (const wchar_t ch : text.str()) {
        if (!grid::appendBackslashEscape(out, ch))
            out += ch;
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
        const std::optional<wchar_t> escaped = grid::backslashEscaped(s[i]);
        if (!escaped)
            return std::nullopt;
        out += *escaped;
    }
    return Vdn_String(std::move(out));
}

} // namespace core
