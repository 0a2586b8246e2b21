#include "platform/grid/formula/FormulaPrinter.h"

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
#include "platform/grid/sheet/CellAddress.h"
#include "platform/grid/values/NumberText.h"

namespace grid {

namespace {

std::wstring r1c1Part(wchar_t letter, int value, bool absolute, int base) {
    std::wstring out(1, letter);
    if (absolute)
        out += std::to_wstring(value);
    else if (value != base)
        out += L"[" + std::to_wstring(value - base) + L"]";
    return out;
}

} // namespace

std::wstring FormulaPrinter::print(const Expr& root, CellRef host, ReferenceStyle style) {
    FormulaPrinter printer(host, style);
    root.accept(printer);
    return std::move(printer.out_);
}

std::wstring FormulaPrinter::reference(const Reference& ref, CellRef host, ReferenceStyle style) {
    if (style == ReferenceStyle::R1C1)
        return r1c1Part(L'R', ref.row, ref.rowAbsolute, host.row) +
               r1c1Part(L'C', ref.col, ref.colAbsolute, host.col);
    std::wstring out;
    if (ref.colAbsolute)
        out += L'$';
    out += CellAddress::columnLetters(ref.col);
    if (ref.rowAbsolute)
        out += L'$';
    out += std::to_wstring(ref.row);
    return out;
}

void FormulaPrinter::visit(const LiteralExpr& expr) {
    printValue(expr.value());
}

void FormulaPrinter::visit(const ArrayExpr& expr) {
    const ValueArray& array = *expr.array();
    out_ += L'{';
    for (int row = 0; row < array.rows(); ++row) {
        if (row > 0)
            out_ += L';';
        for (int col = 0; col < array.columns(); ++col) {
            if (col > 0)
                out_ += L',';
            printValue(array.at(row, col));
        }
    }
    out_ += L'}';
}

void FormulaPrinter::printValue(const Value& value) {
    switch (value.type()) {
    case Value::Type::Empty:
        break;
    case Value::Type::Number:
        out_ += NumberText::shortest(value.asNumber());
        break;
    case Value::Type::Boolean:
        out_ += value.asBoolean() ? L"TRUE" : L"FALSE";
        break;
    case Value::Type::Error:
        out_ += errorText(value.asError());
        break;
    case Value::Type::Text:
        out_ += L'"';
        for (const wchar_t ch : value.asText()) {
            if (ch == L'"')
                out_ += L'"';
            out_ += ch;
        }
        out_ += L'"';
        break;
    }
}

void FormulaPrinter::visit(const ReferenceExpr& expr) {
    out_ += reference(expr.reference(), host_, style_);
}

void FormulaPrinter::visit(const RangeExpr& expr) {
    out_ += reference(expr.first(), host_, style_);
    out_ += L':';
    out_ += reference(expr.last(), host_, style_);
}

void FormulaPrinter::visit(const UnaryExpr& expr) {
    for (const UnaryOperator sign : expr.signs())
        out_ += sign == UnaryOperator::Minus ? L'-' : L'+';
    expr.operand().accept(*this);
}

void FormulaPrinter::visit(const PercentExpr& expr) {
    expr.operand().accept(*this);
    out_.append(static_cast<std::size_t>(expr.count()), L'%');
}

void FormulaPrinter::visit(const OperatorChainExpr& expr) {
    const auto& operands = expr.operands();
    operands[0]->accept(*this);
    for (std::size_t i = 1; i < operands.size(); ++i) {
        out_ += operatorText(expr.operators()[i - 1]);
        operands[i]->accept(*this);
    }
}

void FormulaPrinter::visit(const ParenExpr& expr) {
    out_ += L'(';
    expr.inner().accept(*this);
    out_ += L')';
}

void FormulaPrinter::visit(const CallExpr& expr) {
    out_ += expr.name();
    out_ += L'(';
    bool first = true;
    for (const ExprPtr& arg : expr.args()) {
        if (!first)
            out_ += L',';
        first = false;
        arg->accept(*this);
    }
    out_ += L')';
}

void FormulaPrinter::visit(const NameExpr& expr) {
    out_ += expr.name();
}

} // namespace grid
