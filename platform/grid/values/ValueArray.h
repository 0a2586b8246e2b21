#pragma once

#include "platform/grid/values/Value.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace grid {

// A block of constants written in a formula, {1,2;3,4}: rows of equal length, read by row.
class ValueArray {
public:
    // values holds rows * columns entries, row by row.
    ValueArray(int rows, int columns, std::vector<Value> values)
        : rows_(rows), columns_(columns), values_(std::move(values)) {}

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    // row and col from 0, within the block.
    const Value& at(int row, int col) const {
        return values_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                       static_cast<std::size_t>(col)];
    }
    const std::vector<Value>& values() const { return values_; }

private:
    int rows_;
    int columns_;
    std::vector<Value> values_;
};

} // namespace grid
