#pragma once

#include "platform/core/text/Vdn_StringArray.h"

#include <map>
#include <optional>

namespace core {

// The numbered texts of one language: two tables read from one text file.
//
// File syntax (UTF-8, see core-files.md): a line "[dialog]" or "[strings]" starts a table
// ("[dialog]" is current at the start); "number<TAB>text" adds a text; empty lines and lines
// starting with '#' are ignored. In a text, "\n", "\t" and "\\" stand for a line break, a tab
// and a backslash. A malformed line is skipped with a diagnostic; a repeated number keeps its
// first text.
class TextTable {
public:
    enum class Table { Dialog, Strings };

    // Parses the lines of a file; sourceName names it in diagnostics.
    void parse(const Vdn_StringArray& lines, const Vdn_String& sourceName);
    // Reads and parses a file; false (with a diagnostic) when it cannot be read.
    bool load(const Vdn_String& path);

    std::optional<Vdn_String> text(Table table, int number) const;
    int size(Table table) const;
    const Vdn_StringArray& diagnostics() const { return diagnostics_; }

private:
    std::map<int, Vdn_String> dialog_;
    std::map<int, Vdn_String> strings_;
    Vdn_StringArray diagnostics_;
};

} // namespace core
