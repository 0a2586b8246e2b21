#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ExprVisitor.h"
#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/ReferenceStyle.h"
#include "platform/grid/sheet/CellRef.h"
#include "platform/grid/values/Value.h"

#include <string>

namespace grid {

// Writes a formula tree back as text (without the leading '='), in A1 or R1C1 form. Relative
// R1C1 parts are written as offsets from the host cell. Text printed this way parses back to
// the same tree.
class FormulaPrinter : private ExprVisitor {
public:
    static std::wstring print(const Expr& root, CellRef host, ReferenceStyle style);
    static std::wstring reference(const Reference& ref, CellRef host, ReferenceStyle style);

private:
    FormulaPrinter(CellRef host, ReferenceStyle style) : host_(host), style_(style) {}

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
    void printValue(const Value& value);

    CellRef host_;
    ReferenceStyle style_;
    std::wstring out_;
};

} // namespace grid
