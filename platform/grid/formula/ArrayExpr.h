#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/values/ValueArray.h"

#include <memory>
#include <utility>

namespace grid {

// An inline array of constants, {10,12,16} or {1,2;3,4}. Shared with the operands that carry
// it, so evaluating it copies nothing.
class ArrayExpr : public Expr {
public:
    explicit ArrayExpr(std::shared_ptr<const ValueArray> array) : array_(std::move(array)) {}

    const std::shared_ptr<const ValueArray>& array() const { return array_; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }

private:
    std::shared_ptr<const ValueArray> array_;
};

} // namespace grid
