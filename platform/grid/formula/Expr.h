#pragma once

#include <memory>

namespace grid {

class ExprVisitor;

// A node of a parsed formula. Trees are immutable once built; every pass over them (evaluate,
// collect dependencies, adjust references, print) is an ExprVisitor.
class Expr {
public:
    virtual ~Expr() = default;
    Expr(const Expr&) = delete;
    Expr& operator=(const Expr&) = delete;

    virtual void accept(ExprVisitor& visitor) const = 0;
    // True for the empty place of an omitted function argument, as in IF(A1,,2).
    virtual bool isOmittedArgument() const { return false; }

protected:
    Expr() = default;
};

using ExprPtr = std::unique_ptr<Expr>;

} // namespace grid
