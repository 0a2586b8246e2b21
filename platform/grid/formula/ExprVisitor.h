#pragma once

namespace grid {

class LiteralExpr;
class ReferenceExpr;
class RangeExpr;
class UnaryExpr;
class PercentExpr;
class OperatorChainExpr;
class ParenExpr;
class CallExpr;
class NameExpr;
class ArrayExpr;

class ExprVisitor {
public:
    virtual ~ExprVisitor() = default;
    virtual void visit(const LiteralExpr& expr) = 0;
    virtual void visit(const ReferenceExpr& expr) = 0;
    virtual void visit(const RangeExpr& expr) = 0;
    virtual void visit(const UnaryExpr& expr) = 0;
    virtual void visit(const PercentExpr& expr) = 0;
    virtual void visit(const OperatorChainExpr& expr) = 0;
    virtual void visit(const ParenExpr& expr) = 0;
    virtual void visit(const CallExpr& expr) = 0;
    virtual void visit(const NameExpr& expr) = 0;
    virtual void visit(const ArrayExpr& expr) = 0;
};

} // namespace grid
