#pragma once

#include <string>
#include <string_view>

namespace core {

// Case mapping that does not depend on the C locale: ASCII, Latin-1, Latin Extended-A (which
// holds the Windows-1252 letters Š Œ Ž Ÿ), basic Greek and Cyrillic. Other characters have no
// case here.
wchar_t toLowerChar(wchar_t ch);
wchar_t toUpperChar(wchar_t ch);

bool equalNoCase(std::wstring_view a, std::wstring_view b);
// <0, 0, >0 comparing the lower-case forms character by character.
int compareNoCase(std::wstring_view a, std::wstring_view b);
// The lower-case form of a text: texts equal without regard to case have the same one.
std::wstring lowerCase(std::wstring_view text);

} // namespace core
