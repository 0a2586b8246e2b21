#pragma once

#include <string>
#include <string_view>

namespace grid {

// Case mapping that does not depend on the C locale: ASCII, Latin-1, Latin Extended-A, basic
// Greek and Cyrillic. Formula names and text comparisons ignore case through it.
class TextCase {
public:
    static wchar_t upperChar(wchar_t ch);
    static wchar_t lowerChar(wchar_t ch);
    static std::wstring upper(std::wstring_view text);
    static std::wstring lower(std::wstring_view text);
    static bool equalNoCase(std::wstring_view a, std::wstring_view b);
    // <0, 0 or >0 comparing the lower-case forms character by character.
    static int compareNoCase(std::wstring_view a, std::wstring_view b);
};

} // namespace grid
