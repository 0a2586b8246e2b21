#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/sheet/CellRange.h"

#include <string>
#include <vector>

namespace grid {

// Collects what a formula reads: every cell and block it references (a cell as a block of
// one), and the names of the custom functions it calls. Each appears once.
class DependencyCollector : private ExprVisitor {
public:
    static DependencyCollector collect(const Expr& root);

    const std::vector<CellRange>& precedents() const { return precedents_; }
    const std::vector<std::wstring>& customCalls() const { return customCalls_; }
    // Whether it calls OFFSET or INDIRECT, whose references no parse can see.
    bool isVolatile() const { return volatile_; }

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

    std::vector<CellRange> precedents_;
    std::vector<std::wstring> customCalls_;
    bool volatile_ = false;
};

} // namespace grid
