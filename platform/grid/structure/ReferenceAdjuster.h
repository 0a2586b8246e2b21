#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/structure/ReferenceTransform.h"

namespace grid {

// Rebuilds a formula tree with every reference passed through a transform; a reference whose
// cell is gone becomes the error value #REF!, which prints as "#REF!" and parses back.
class ReferenceAdjuster : private ExprVisitor {
public:
    // The new tree, or null when no reference changed.
    static ExprPtr adjust(const Expr& root, const ReferenceTransform& transform);

private:
    explicit ReferenceAdjuster(const ReferenceTransform& transform) : transform_(transform) {}
    ExprPtr rebuild(const Expr& expr);

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

    const ReferenceTransform& transform_;
    ExprPtr result_;
    bool changed_ = false;
};

} // namespace grid
