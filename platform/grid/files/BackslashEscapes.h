#pragma once

#include <optional>
#include <string>

namespace grid {

// The backslash escapes that every text format of the project shares: \\, \t, \n and \r stand
// for the backslash, tab, line feed and carriage return. Formats add their own on top (.tfs
// strings also escape '"' and any code point as \u{hex}).

// Appends the escape of ch to out and returns true; false (out unchanged) for a character that
// has none of these escapes.
bool appendBackslashEscape(std::wstring& out, wchar_t ch);
// The character that letter stands for after a backslash; nullopt for a letter of no escape.
std::optional<wchar_t> backslashEscaped(wchar_t letter);

} // namespace grid
