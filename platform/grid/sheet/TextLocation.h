#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace grid {

// Where in a text something lies. Lines and columns count from 1; 0 means not known. A formula
// is one line, so the character at offset n of a formula is at line 1, column n + 1.
struct TextLocation {
    std::size_t line = 0;
    std::size_t column = 0;

    static TextLocation atLine(std::size_t line) { return {line, 0}; }
    static TextLocation inFormula(std::size_t offset) { return {1, offset + 1}; }

    bool known() const { return line != 0; }
    bool operator==(const TextLocation&) const = default;
};

// One diagnostic in the form compilers use, so editors and people read it the same way:
// "file:line:column: message". Parts that are not known are left out ("file:12: message",
// "file: message"); without a file the place is spelled out ("line 12, column 3: message").
std::wstring formatDiagnostic(std::wstring_view file, const TextLocation& where,
                              std::wstring_view message);

} // namespace grid
