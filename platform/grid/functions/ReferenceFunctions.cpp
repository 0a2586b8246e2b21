#include "platform/grid/formula/FormulaEvaluator.h"
#include "platform/grid/formula/Tokenizer.h"
#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/sheet/CellAddress.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/values/ValueBlock.h"

#include <array>

// ROW, COLUMN, ROWS, COLUMNS, ADDRESS, OFFSET, INDIRECT. OFFSET and INDIRECT give references
// that no parse can see, so formulas calling them are computed after every change (the
// dependency collector marks them volatile). A reference they give that takes in the formula's
// own cell is circular and gives #VALUE!, as a cycle does, instead of reading a stale value.

namespace grid {

namespace {

using S = FunctionSupport;

// The block a reference argument names, or the error it gives instead.
std::optional<ErrorCode> referenceArgument(FunctionArgs& args, std::size_t i, CellRange& out) {
    const Operand op = args.operand(i);
    if (op.isReference()) {
        out = op.range();
        return std::nullopt;
    }
    if (!op.isArray() && op.value().isError())
        return op.value().asError();
    return ErrorCode::Value;
}

Value giveReference(FunctionArgs& args, const CellRange& range) {
    if (range.contains(args.evaluator().host()))
        return S::error(ErrorCode::Value);
    return args.returnOperand(Operand::reference(range));
}

Value rowOrColumn(FunctionArgs& args, bool row) {
    if (args.count() == 0 || args.isOmitted(0)) {
        const CellRef host = args.evaluator().host();
        return Value::number(row ? host.row : host.col);
    }
    CellRange range;
    if (const auto error = referenceArgument(args, 0, range))
        return S::error(*error);
    return Value::number(row ? range.first.row : range.first.col);
}

Value extent(FunctionArgs& args, bool rows) {
    const Operand op = args.operand(0);
    if (!op.isReference() && !op.isArray() && op.value().isError())
        return op.value();
    const ValueBlock block(op, args.context());
    return Value::number(static_cast<double>(rows ? block.rows() : block.columns()));
}

// ADDRESS(row; column; [kind]; [A1]; [sheet]): kind 1 is $A$1, 2 A$1, 3 $A1, 4 A1; in R1C1
// form a relative part is written as an offset in brackets.
Value address(FunctionArgs& args) {
    double rowArg = 0;
    double colArg = 0;
    double kindArg = 1;
    bool a1 = true;
    if (const auto error = args.number(0, rowArg))
        return S::error(*error);
    if (const auto error = args.number(1, colArg))
        return S::error(*error);
    if (const auto error = args.number(2, kindArg, 1))
        return S::error(*error);
    if (args.count() > 3 && !args.isOmitted(3)) {
        if (const auto error = args.boolean(3, a1))
            return S::error(*error);
    }
    std::wstring sheet;
    if (args.count() > 4) {
        if (const auto error = args.text(4, sheet))
            return S::error(*error);
    }
    const long long row = S::whole(rowArg);
    const long long col = S::whole(colArg);
    const long long kind = S::whole(kindArg);
    if (kind < 1 || kind > 4)
        return S::error(ErrorCode::Value);
    const bool rowAbsolute = kind == 1 || kind == 2;
    const bool colAbsolute = kind == 1 || kind == 3;
    std::wstring out;
    if (a1) {
        if (row < 1 || row > kMaxRows || col < 1 || col > kMaxColumns)
            return S::error(ErrorCode::Value);
        out = (colAbsolute ? L"$" : L"") + CellAddress::columnLetters(static_cast<int>(col)) +
              (rowAbsolute ? L"$" : L"") + std::to_wstring(row);
    } else {
        if ((rowAbsolute && (row < 1 || row > kMaxRows)) ||
            (colAbsolute && (col < 1 || col > kMaxColumns)))
            return S::error(ErrorCode::Value);
        auto part = [](wchar_t letter, long long n, bool absolute) {
            return std::wstring(1, letter) +
                   (absolute ? std::to_wstring(n) : L"[" + std::to_wstring(n) + L"]");
        };
        out = part(L'R', row, rowAbsolute) + part(L'C', col, colAbsolute);
    }
    if (!sheet.empty())
        out = sheet + L"!" + out;
    return Value::text(std::move(out));
}

// OFFSET(reference; rows; columns; [height]; [width]): the block moved and resized; one that
// leaves the sheet is #REF!.
Value offset(FunctionArgs& args) {
    CellRange base;
    if (const auto error = referenceArgument(args, 0, base))
        return S::error(*error);
    double rows = 0;
    double cols = 0;
    double height = base.rows();
    double width = base.columns();
    if (const auto error = args.number(1, rows))
        return S::error(*error);
    if (const auto error = args.number(2, cols))
        return S::error(*error);
    if (args.count() > 3 && !args.isOmitted(3)) {
        if (const auto error = args.number(3, height))
            return S::error(*error);
    }
    if (args.count() > 4 && !args.isOmitted(4)) {
        if (const auto error = args.number(4, width))
            return S::error(*error);
    }
    const long long top = base.first.row + S::whole(rows);
    const long long left = base.first.col + S::whole(cols);
    const long long tall = S::whole(height);
    const long long wide = S::whole(width);
    if (tall < 1 || wide < 1 || top < 1 || left < 1 || top + tall - 1 > kMaxRows ||
        left + wide - 1 > kMaxColumns)
        return S::error(ErrorCode::Ref);
    const CellRange moved{{static_cast<int>(left), static_cast<int>(top)},
                          {static_cast<int>(left + wide - 1), static_cast<int>(top + tall - 1)}};
    return giveReference(args, moved);
}

// INDIRECT(text; [A1]): the cell or block a text names, in A1 form ("B3", "$A$1:B2") or, with
// A1 false, in R1C1 form ("R3C2", "R[-1]C"), relative parts counted from the formula's cell.
Value indirect(FunctionArgs& args) {
    std::wstring text;
    bool a1 = true;
    if (const auto error = args.text(0, text))
        return S::error(*error);
    if (args.count() > 1 && !args.isOmitted(1)) {
        if (const auto error = args.boolean(1, a1))
            return S::error(*error);
    }
    const CellRef host = args.evaluator().host();
    Tokenizer tokenizer(text, 0, host, a1 ? ReferenceStyle::A1 : ReferenceStyle::R1C1);
    const Token first = tokenizer.next();
    if (first.kind != Token::Kind::Reference)
        return S::error(ErrorCode::Ref);
    CellRange range = CellRange::single(first.reference.cell());
    Token next = tokenizer.next();
    if (next.kind == Token::Kind::Colon) {
        const Token last = tokenizer.next();
        if (last.kind != Token::Kind::Reference)
            return S::error(ErrorCode::Ref);
        range = CellRange::spanning(first.reference.cell(), last.reference.cell());
        next = tokenizer.next();
    }
    if (next.kind != Token::Kind::End)
        return S::error(ErrorCode::Ref);
    return giveReference(args, range);
}

const std::array kFunctions = {
    BuiltinFunction{L"ROW", 0, 1, [](FunctionArgs& a) { return rowOrColumn(a, true); }},
    BuiltinFunction{L"COLUMN", 0, 1, [](FunctionArgs& a) { return rowOrColumn(a, false); }},
    BuiltinFunction{L"ROWS", 1, 1, [](FunctionArgs& a) { return extent(a, true); }},
    BuiltinFunction{L"COLUMNS", 1, 1, [](FunctionArgs& a) { return extent(a, false); }},
    BuiltinFunction{L"ADDRESS", 2, 5, &address},
    BuiltinFunction{L"OFFSET", 3, 5, &offset},
    BuiltinFunction{L"INDIRECT", 1, 2, &indirect},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::reference() {
    return kFunctions;
}

} // namespace grid
