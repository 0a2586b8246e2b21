#include "platform/grid/structure/ReferenceAdjuster.h"

#include "platform/grid/formula/ArrayExpr.h"
#include "platform/grid/formula/CallExpr.h"
#include "platform/grid/formula/LiteralExpr.h"
#include "platform/grid/formula/NameExpr.h"
#include "platform/grid/formula/OperatorChainExpr.h"
#include "platform/grid/formula/ParenExpr.h"
#include "platform/grid/formula/PercentExpr.h"
#include "platform/grid/formula/RangeExpr.h"
#include "platform/grid/formula/ReferenceExpr.h"
#include "platform/grid/formula/UnaryExpr.h"

#include <vector>

namespace grid {

ExprPtr ReferenceAdjuster::adjust(const Expr& root, const ReferenceTransform& transform) {
    ReferenceAdjuster adjuster(transform);
    ExprPtr out = adjuster.rebuild(root);
    return adjuster.changed_ ? std::move(out) : nullptr;
}

ExprPtr ReferenceAdjuster::rebuild(const Expr& expr) {
    expr.accept(*this);
    return std::move(result_);
}

void ReferenceAdjuster::visit(const LiteralExpr& expr) {
    result_ = std::make_unique<LiteralExpr>(expr.value());
}

void ReferenceAdjuster::visit(const ReferenceExpr& expr) {
    const auto ref = transform_.cell(expr.reference());
    if (!ref) {
        changed_ = true;
        result_ = std::make_unique<LiteralExpr>(Value::error(ErrorCode::Ref));
        return;
    }
    changed_ = changed_ || !(*ref == expr.reference());
    result_ = std::make_unique<ReferenceExpr>(*ref);
}

void ReferenceAdjuster::visit(const RangeExpr& expr) {
    const auto corners = transform_.range(expr.first(), expr.last());
    if (!corners) {
        changed_ = true;
        result_ = std::make_unique<LiteralExpr>(Value::error(ErrorCode::Ref));
        return;
    }
    changed_ = changed_ || !(corners->first == expr.first()) || !(corners->second == expr.last());
    result_ = std::make_unique<RangeExpr>(corners->first, corners->second);
}

void ReferenceAdjuster::visit(const UnaryExpr& expr) {
    ExprPtr operand = rebuild(expr.operand());
    result_ = std::make_unique<UnaryExpr>(expr.signs(), std::move(operand));
}

void ReferenceAdjuster::visit(const PercentExpr& expr) {
    ExprPtr operand = rebuild(expr.operand());
    result_ = std::make_unique<PercentExpr>(std::move(operand), expr.count());
}

void ReferenceAdjuster::visit(const OperatorChainExpr& expr) {
    std::vector<ExprPtr> operands;
    operands.reserve(expr.operands().size());
    for (const ExprPtr& operand : expr.operands())
        operands.push_back(rebuild(*operand));
    result_ = std::make_unique<OperatorChainExpr>(std::move(operands), expr.operators());
}

void ReferenceAdjuster::visit(const ParenExpr& expr) {
    ExprPtr inner = rebuild(expr.inner());
    result_ = std::make_unique<ParenExpr>(std::move(inner));
}

void ReferenceAdjuster::visit(const CallExpr& expr) {
    std::vector<ExprPtr> args;
    args.reserve(expr.args().size());
    for (const ExprPtr& arg : expr.args())
        args.push_back(rebuild(*arg));
    result_ = std::make_unique<CallExpr>(expr.name(), expr.builtin(), std::move(args));
}

void ReferenceAdjuster::visit(const ArrayExpr& expr) {
    result_ = std::make_unique<ArrayExpr>(expr.array());
}

void ReferenceAdjuster::visit(const NameExpr& expr) {
    result_ = std::make_unique<NameExpr>(expr.name());
}

} // namespace grid
