#pragma once

#include "platform/grid/formula/EvalContext.h"
#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/formula/Operand.h"
#include "platform/grid/formula/Operator.h"
#include "platform/grid/sheet/CellRef.h"
#include "platform/grid/values/Value.h"

namespace grid {

// Computes a formula tree for the cell that holds it. Recursion follows the tree, whose depth
// the parser bounds; other cells are read as they stand (recalculation brings them up to date
// first).
class FormulaEvaluator : private ExprVisitor {
public:
    FormulaEvaluator(const EvalContext& context, CellRef host);

    // The value of a whole formula: a reference is read, and a result that is still empty
    // (a reference to an empty cell) counts as 0.
    Value evaluateFormula(const Expr& root);
    Operand evaluate(const Expr& expr);
    // Evaluates in array mode (the arguments of SUMPRODUCT): operators and signs work element
    // by element on blocks and arrays and give arrays, so SUMPRODUCT((A1:A9>2)*B1:B9) weighs
    // what it adds. Function calls inside evaluate as usual.
    Operand evaluateArray(const Expr& expr);
    // A value is itself; a single cell gives its value; a block gives the cell in the host's
    // row or column (implicit intersection), else #VALUE!.
    Value dereference(const Operand& operand) const;

    const EvalContext& context() const { return context_; }
    CellRef host() const { return host_; }

private:
    void visit(const LiteralExpr& expr) override;
    void visit(const ReferenceExpr& expr) override;
    void visit(const RangeExpr& expr) override;
    void visit(const UnaryExpr& expr) override;
    void visit(const PercentExpr& expr) override;
    void visit(const OperatorChainExpr& expr) override;
    void visit(const ParenExpr& expr) override;
    void visit(const CallExpr& expr) override;
    void visit(const NameExpr& expr) override;
    void visit(const ArrayExpr& expr) override;

    Value callCustom(const CallExpr& expr);
    Operand combine(BinaryOperator op, const Operand& a, const Operand& b);
    Operand negate(const Operand& block);

    const EvalContext& context_;
    CellRef host_;
    Operand result_;
    bool arrayMode_ = false;
};

} // namespace grid
