#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"

#include <string>
#include <utility>

namespace grid {

// A word that is neither a reference, a boolean nor a function call. The sheet defines no
// names, so it evaluates to #NAME?; it is kept so the formula prints back as written.
class NameExpr : public Expr {
public:
    explicit NameExpr(std::wstring name) : name_(std::move(name)) {}

    const std::wstring& name() const { return name_; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }

private:
    std::wstring name_;
};

} // namespace grid
