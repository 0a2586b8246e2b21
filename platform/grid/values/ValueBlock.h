#pragma once

#include "platform/grid/formula/EvalContext.h"
#include "platform/grid/formula/Operand.h"
#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/values/Value.h"

namespace grid {

// A rectangle of values a function reads by position, whatever gave it: a referenced block, an
// inline array, or one value (a block of one). Positions count from 0.
class ValueBlock {
public:
    ValueBlock(const Operand& operand, const EvalContext& context);

    long long rows() const { return rows_; }
    long long columns() const { return columns_; }
    // How many rows and columns can hold a value: a reference stops at the sheet's last used
    // row and column, so whole-column blocks cost only what is filled.
    long long usedRows() const { return usedRows_; }
    long long usedColumns() const { return usedColumns_; }
    bool isReference() const { return operand_.isReference(); }
    // Requires isReference().
    const CellRange& range() const { return operand_.range(); }
    // Empty outside the block.
    const Value& at(long long row, long long col) const;

private:
    const Operand& operand_;
    const EvalContext& context_;
    long long rows_ = 1;
    long long columns_ = 1;
    long long usedRows_ = 1;
    long long usedColumns_ = 1;
};

} // namespace grid
