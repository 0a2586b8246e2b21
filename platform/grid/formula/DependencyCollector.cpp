#include "platform/grid/formula/DependencyCollector.h"

#include "platform/grid/formula/ArrayExpr.h"
#include "platform/grid/formula/CallExpr.h"
#include "platform/grid/formula/OperatorChainExpr.h"
#include "platform/grid/formula/ParenExpr.h"
#include "platform/grid/formula/PercentExpr.h"
#include "platform/grid/formula/RangeExpr.h"
#include "platform/grid/formula/ReferenceExpr.h"
#include "platform/grid/formula/UnaryExpr.h"

#include <algorithm>
#include <tuple>

namespace grid {

DependencyCollector DependencyCollector::collect(const Expr& root) {
    DependencyCollector collector;
    root.accept(collector);
    auto key = [](const CellRange& r) {
        return std::make_tuple(r.first.row, r.first.col, r.last.row, r.last.col);
    };
    auto& precedents = collector.precedents_;
    std::sort(precedents.begin(), precedents.end(),
              [&](const CellRange& a, const CellRange& b) { return key(a) < key(b); });
    precedents.erase(std::unique(precedents.begin(), precedents.end()), precedents.end());
    auto& calls = collector.customCalls_;
    std::sort(calls.begin(), calls.end());
    calls.erase(std::unique(calls.begin(), calls.end()), calls.end());
    return collector;
}

void DependencyCollector::visit(const LiteralExpr&) {}

void DependencyCollector::visit(const ReferenceExpr& expr) {
    precedents_.push_back(CellRange::single(expr.reference().cell()));
}

void DependencyCollector::visit(const RangeExpr& expr) {
    precedents_.push_back(expr.range());
}

void DependencyCollector::visit(const UnaryExpr& expr) {
    expr.operand().accept(*this);
}

void DependencyCollector::visit(const PercentExpr& expr) {
    expr.operand().accept(*this);
}

void DependencyCollector::visit(const OperatorChainExpr& expr) {
    for (const ExprPtr& operand : expr.operands())
        operand->accept(*this);
}

void DependencyCollector::visit(const ParenExpr& expr) {
    expr.inner().accept(*this);
}

void DependencyCollector::visit(const CallExpr& expr) {
    if (!expr.builtin())
        customCalls_.push_back(expr.name());
    else if (expr.name() == L"OFFSET" || expr.name() == L"INDIRECT")
        volatile_ = true;
    for (const ExprPtr& arg : expr.args())
        arg->accept(*this);
}

void DependencyCollector::visit(const NameExpr&) {}

void DependencyCollector::visit(const ArrayExpr&) {}

} // namespace grid
