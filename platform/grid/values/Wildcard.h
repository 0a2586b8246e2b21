#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace grid {

// Patterns of SEARCH, of text criteria and of exact look-ups: '?' is any one character, '*'
// any run of characters, '~' makes the next character literal. Letters match regardless of
// case.
class Wildcard {
public:
    // The first position at or after `from` where the pattern matches the start of what
    // follows, or nullopt. Time grows with text length times pattern length, never worse.
    // Whether the pattern matches the whole text (the criteria and look-ups).
    static bool matches(std::wstring_view pattern, std::wstring_view text);
    // Whether the text holds '*', '?' or '~', so that it needs matching rather than equality.
    static bool hasWildcards(std::wstring_view text);
    static std::optional<std::size_t> search(std::wstring_view pattern, std::wstring_view text,
                                             std::size_t from);
};

} // namespace grid
