#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/formula/Reference.h"
#include "platform/grid/sheet/CellRange.h"

namespace grid {

// A block of cells, A1:B3. The corners are kept top-left first.
class RangeExpr : public Expr {
public:
    RangeExpr(Reference first, Reference last) : first_(first), last_(last) {}

    const Reference& first() const { return first_; }
    const Reference& last() const { return last_; }
    CellRange range() const { return {first_.cell(), last_.cell()}; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }

private:
    Reference first_;
    Reference last_;
};

} // namespace grid
