#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/values/Value.h"

#include <utility>

namespace grid {

// A constant: number, text, boolean or error value. An Empty literal is an omitted argument.
class LiteralExpr : public Expr {
public:
    explicit LiteralExpr(Value value) : value_(std::move(value)) {}

    const Value& value() const { return value_; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }
    bool isOmittedArgument() const override { return value_.isEmpty(); }

private:
    Value value_;
};

} // namespace grid
