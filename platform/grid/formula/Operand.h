#pragma once

#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/values/Value.h"
#include "platform/grid/values/ValueArray.h"

#include <memory>
#include <utility>

namespace grid {

// What evaluating part of a formula gives: a value, a reference to a cell or block that the
// consumer reads as it needs (a function may want the block, an operator reads one cell), or
// an inline array (whose first element stands for it where one value is wanted).
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
    static Operand array(std::shared_ptr<const ValueArray> values) {
        Operand operand(values->at(0, 0));
        operand.array_ = std::move(values);
        return operand;
    }

    bool isReference() const { return isReference_; }
    bool isArray() const { return array_ != nullptr; }
    // Requires !isReference(); for an array, its first element.
    const Value& value() const { return value_; }
    // Requires isReference().
    const CellRange& range() const { return range_; }
    // Requires isArray().
    const ValueArray& array() const { return *array_; }

private:
    Value value_;
    CellRange range_;
    std::shared_ptr<const ValueArray> array_;
    bool isReference_ = false;
};

} // namespace grid
