#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

// The lexical rules of .tfs lines: fields separated by spaces; a field is a bare word or a
// double-quoted string in which \\, \", \n, \r, \t and \u{hex} stand for their characters.
class TfsSyntax {
public:
    struct Field {
        std::wstring text;
        bool quoted = false;
    };

    // Every control character and every code point UTF-8 cannot carry is escaped, so any
    // text survives the round trip.
    static std::wstring quote(std::wstring_view text);
    // False with a reason when a string is not closed or holds a bad escape.
    static bool split(std::wstring_view line, std::vector<Field>& fields, std::wstring& error);

    static std::wstring hex(std::uint32_t value);
    // Decimal, with an optional '-'.
    static std::optional<long long> integer(std::wstring_view text);
    // Decimal or 0x-hexadecimal, 32 bits.
    static std::optional<std::uint32_t> word(std::wstring_view text);
};

} // namespace grid
