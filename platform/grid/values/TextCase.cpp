#include "platform/grid/values/TextCase.h"

namespace grid {

wchar_t TextCase::lowerChar(wchar_t ch) {
    const auto c = static_cast<unsigned long>(ch);
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? static_cast<wchar_t>(c + 32) : ch;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return static_cast<wchar_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<wchar_t>(c + 80);
    if (c == 0x178)
        return static_cast<wchar_t>(0xFF);
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return (c % 2 == 0) ? static_cast<wchar_t>(c + 1) : ch;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c % 2 == 1) ? static_cast<wchar_t>(c + 1) : ch;
    return ch;
}

wchar_t TextCase::upperChar(wchar_t ch) {
    const auto c = static_cast<unsigned long>(ch);
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') ? static_cast<wchar_t>(c - 32) : ch;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) ||
        (c >= 0x430 && c <= 0x44F))
        return static_cast<wchar_t>(c - 32);
    if (c >= 0x450 && c <= 0x45F)
        return static_cast<wchar_t>(c - 80);
    if (c == 0xFF)
        return static_cast<wchar_t>(0x178);
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return (c % 2 == 1) ? static_cast<wchar_t>(c - 1) : ch;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c % 2 == 0) ? static_cast<wchar_t>(c - 1) : ch;
    return ch;
}

std::wstring TextCase::upper(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& ch : out)
        ch = upperChar(ch);
    return out;
}

std::wstring TextCase::lower(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& ch : out)
        ch = lowerChar(ch);
    return out;
}

bool TextCase::equalNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

int TextCase::compareNoCase(std::wstring_view a, std::wstring_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const wchar_t x = lowerChar(a[i]);
        const wchar_t y = lowerChar(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace grid
