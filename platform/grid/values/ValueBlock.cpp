#include "platform/grid/values/ValueBlock.h"

#include <algorithm>

namespace grid {

namespace {

const Value kNothing;

} // namespace

ValueBlock::ValueBlock(const Operand& operand, const EvalContext& context)
    : operand_(operand), context_(context) {
    if (operand.isReference()) {
        const CellRange& range = operand.range();
        rows_ = range.rows();
        columns_ = range.columns();
        const CellRef used = context.usedExtent();
        usedRows_ = std::clamp<long long>(used.row - range.first.row + 1, 0, rows_);
        usedColumns_ = std::clamp<long long>(used.col - range.first.col + 1, 0, columns_);
    } else if (operand.isArray()) {
        rows_ = usedRows_ = operand.array().rows();
        columns_ = usedColumns_ = operand.array().columns();
    }
}

const Value& ValueBlock::at(long long row, long long col) const {
    if (row < 0 || col < 0 || row >= rows_ || col >= columns_)
        return kNothing;
    if (operand_.isReference()) {
        const CellRef first = operand_.range().first;
        return context_.cellValue(
            {first.col + static_cast<int>(col), first.row + static_cast<int>(row)});
    }
    if (operand_.isArray())
        return operand_.array().at(static_cast<int>(row), static_cast<int>(col));
    return operand_.value();
}

} // namespace grid
