#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"

#include <string>
#include <utility>
#include <vector>

namespace grid {

struct BuiltinFunction;

// A function call. Built-in functions are resolved when the formula is parsed; any other name
// is looked up among the sheet's custom functions each time it is evaluated (#NAME? when there
// is none).
class CallExpr : public Expr {
public:
    CallExpr(std::wstring name, const BuiltinFunction* builtin, std::vector<ExprPtr> args)
        : name_(std::move(name)), builtin_(builtin), args_(std::move(args)) {}

    // In upper case.
    const std::wstring& name() const { return name_; }
    // Null for a custom function.
    const BuiltinFunction* builtin() const { return builtin_; }
    const std::vector<ExprPtr>& args() const { return args_; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }

private:
    std::wstring name_;
    const BuiltinFunction* builtin_;
    std::vector<ExprPtr> args_;
};

} // namespace grid
