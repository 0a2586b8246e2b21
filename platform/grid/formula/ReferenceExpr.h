#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/formula/Reference.h"

namespace grid {

// One cell: A1, $A$1, R1C1, R[-1]C[2].
class ReferenceExpr : public Expr {
public:
    explicit ReferenceExpr(Reference ref) : ref_(ref) {}

    const Reference& reference() const { return ref_; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }

private:
    Reference ref_;
};

} // namespace grid
