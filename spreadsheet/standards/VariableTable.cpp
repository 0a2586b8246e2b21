#include "spreadsheet/standards/VariableTable.h"

#include "spreadsheet/standards/TfVarCells.h"

namespace ss {

namespace {

std::uint64_t nextTableId() {
    static std::uint64_t last = 0;
    return ++last;
}

} // namespace

VariableTable::VariableTable(std::vector<Variable> variables, NameIndex index,
                             WordReplacer references)
    : variables_(std::move(variables)), index_(std::move(index)),
      references_(std::move(references)), id_(nextTableId()) {}

bool VariableTable::matches(const TfVarCells& cells) const {
    if (cells.length() != static_cast<int>(variables_.size()))
        return false;
    for (int i = 0; i < cells.length(); ++i) {
        const Variable& known = variables_[static_cast<std::size_t>(i)];
        if (known.col != cells[i].col || known.row != cells[i].row ||
            known.name != cells[i].name.str())
            return false;
    }
    return true;
}

} // namespace ss
