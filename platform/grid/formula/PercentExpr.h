#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"

#include <utility>

namespace grid {

// An operand followed by one or more '%' signs, each dividing by 100.
class PercentExpr : public Expr {
public:
    PercentExpr(ExprPtr operand, int count) : operand_(std::move(operand)), count_(count) {}

    const Expr& operand() const { return *operand_; }
    int count() const { return count_; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }

private:
    ExprPtr operand_;
    int count_;
};

} // namespace grid
