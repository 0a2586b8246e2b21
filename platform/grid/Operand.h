#pragma once

#include "platform/grid/CellRange.h"
#include "platform/grid/Value.h"

#include <utility>

namespace grid {

// What evaluating part of a formula gives: a value, or a reference to a cell or block that the
// consumer reads as it needs (a function may want the block, an operator reads one cell).
class Operand {
public:
    Operand() = default;
    explicit Operand(Value value) : value_(std::move(value)) {}
    static Operand reference(const CellRange& range) {
        Operand operand;
        operand.range_ = range;
        operand.isReference_ = true;
        return operand;
    }

    bool isReference() const { return isReference_; }
    // Requires !isReference().
    const Value& value() const { return value_; }
    // Requires isReference().
    const CellRange& range() const { return range_; }

private:
    Value value_;
    CellRange range_;
    bool isReference_ = false;
};

} // namespace grid
