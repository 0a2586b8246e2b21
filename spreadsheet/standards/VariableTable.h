#pragma once

#include "spreadsheet/standards/NameIndex.h"
#include "spreadsheet/standards/WordReplacer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TfVarCells;

namespace ss {

// The variables of a sheet by name, with the cell reference ("B5") that each name becomes in
// an equation. It remembers the names and cells it was built from, so a sheet evaluated again
// (the same variables in the same cells) uses it again instead of building it anew.
class VariableTable {
public:
    struct Variable {
        std::wstring name;
        int col = 0;
        int row = 0;
        friend bool operator==(const Variable&, const Variable&) = default;
    };

    // The variables in list order; index finds them by name, references rewrites names.
    VariableTable(std::vector<Variable> variables, NameIndex index, WordReplacer references);
    VariableTable(const VariableTable&) = delete;
    VariableTable& operator=(const VariableTable&) = delete;

    // Whether cells holds the same names (spelled alike) in the same cells, in the same order.
    bool matches(const TfVarCells& cells) const;
    // The first variable of the name (without regard to case), or -1.
    int find(std::wstring_view name) const { return index_.first(name); }
    // Replaces the variable names in an expression by their cell references.
    bool rewrite(std::wstring& expression) const { return references_.replace(expression); }
    std::size_t distinctNames() const { return index_.distinctNames(); }
    // Different for every table ever built, so what was derived from one table is never taken
    // for another's.
    std::uint64_t id() const { return id_; }

private:
    std::vector<Variable> variables_;
    NameIndex index_;
    WordReplacer references_;
    std::uint64_t id_;
};

} // namespace ss
