#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"

#include <utility>

namespace grid {

// Parentheses as written, kept so that a formula prints back the way it was entered.
class ParenExpr : public Expr {
public:
    explicit ParenExpr(ExprPtr inner) : inner_(std::move(inner)) {}

    const Expr& inner() const { return *inner_; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }

private:
    ExprPtr inner_;
};

} // namespace grid
