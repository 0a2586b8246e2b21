#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/formula/Operator.h"

#include <utility>
#include <vector>

namespace grid {

// Prefix signs applied to one operand, written left to right ("--A1" holds two minuses). A
// run of signs is one node, so no input builds a deep chain of them.
class UnaryExpr : public Expr {
public:
    UnaryExpr(std::vector<UnaryOperator> signs, ExprPtr operand)
        : signs_(std::move(signs)), operand_(std::move(operand)) {}

    const std::vector<UnaryOperator>& signs() const { return signs_; }
    const Expr& operand() const { return *operand_; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }

private:
    std::vector<UnaryOperator> signs_;
    ExprPtr operand_;
};

} // namespace grid
