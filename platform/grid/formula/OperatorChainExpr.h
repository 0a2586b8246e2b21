#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/formula/Operator.h"

#include <utility>
#include <vector>

namespace grid {

// Operands joined by operators of one precedence level, applied left to right:
// operand[0] op[0] operand[1] op[1] operand[2] ... Keeping a run flat (rather than as a
// left-leaning tree) means "1+1+...+1" of any length stays two levels deep.
class OperatorChainExpr : public Expr {
public:
    OperatorChainExpr(std::vector<ExprPtr> operands, std::vector<BinaryOperator> operators)
        : operands_(std::move(operands)), operators_(std::move(operators)) {}

    const std::vector<ExprPtr>& operands() const { return operands_; }
    // operators()[i] stands between operands()[i] and operands()[i + 1].
    const std::vector<BinaryOperator>& operators() const { return operators_; }
    void accept(ExprVisitor& visitor) const override { visitor.visit(*this); }

private:
    std::vector<ExprPtr> operands_;
    std::vector<BinaryOperator> operators_;
};

} // namespace grid
