#include "platform/core/text/CharCase.h"

#include <algorithm>

namespace core {

namespace {

bool isEven(wchar_t ch) {
    return (ch & 1) == 0;
}

} // namespace

wchar_t toLowerChar(wchar_t ch) {
    if (ch < 0x80)
        return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch + 32) : ch;
    if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7)
        return static_cast<wchar_t>(ch + 32);
    // Latin Extended-A: upper case on the even code points up to U+0137 and from U+014A,
    // on the odd ones in between; U+0130/U+0131 (dotted and dotless i) have no simple pair.
    if ((ch >= 0x100 && ch <= 0x12F && isEven(ch)) || (ch >= 0x132 && ch <= 0x137 && isEven(ch)) ||
        (ch >= 0x139 && ch <= 0x148 && !isEven(ch)) || (ch >= 0x14A && ch <= 0x177 && isEven(ch)) ||
        (ch >= 0x179 && ch <= 0x17E && !isEven(ch)))
        return static_cast<wchar_t>(ch + 1);
    if (ch == 0x178)
        return 0xFF;
    if (ch >= 0x391 && ch <= 0x3A9 && ch != 0x3A2)
        return static_cast<wchar_t>(ch + 32);
    if (ch >= 0x410 && ch <= 0x42F)
        return static_cast<wchar_t>(ch + 32);
    if (ch >= 0x400 && ch <= 0x40F)
        return static_cast<wchar_t>(ch + 80);
    return ch;
}

wchar_t toUpperChar(wchar_t ch) {
    if (ch < 0x80)
        return (ch >= L'a' && ch <= L'z') ? static_cast<wchar_t>(ch - 32) : ch;
    if (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7)
        return static_cast<wchar_t>(ch - 32);
    if (ch == 0xFF)
        return 0x178;
    if ((ch >= 0x101 && ch <= 0x12F && !isEven(ch)) ||
        (ch >= 0x133 && ch <= 0x137 && !isEven(ch)) || (ch >= 0x13A && ch <= 0x148 && isEven(ch)) ||
        (ch >= 0x14B && ch <= 0x177 && !isEven(ch)) || (ch >= 0x17A && ch <= 0x17E && isEven(ch)))
        return static_cast<wchar_t>(ch - 1);
    if (ch == 0x3C2) // final sigma
        return 0x3A3;
    if (ch >= 0x3B1 && ch <= 0x3C9)
        return static_cast<wchar_t>(ch - 32);
    if (ch >= 0x430 && ch <= 0x44F)
        return static_cast<wchar_t>(ch - 32);
    if (ch >= 0x450 && ch <= 0x45F)
        return static_cast<wchar_t>(ch - 80);
    return ch;
}

std::wstring lowerCase(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& ch : lower)
        ch = toLowerChar(ch);
    return lower;
}

bool equalNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

int compareNoCase(std::wstring_view a, std::wstring_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wchar_t ca = toLowerChar(a[i]);
        const wchar_t cb = toLowerChar(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace core
