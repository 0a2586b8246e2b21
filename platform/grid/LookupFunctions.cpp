#include "platform/grid/BuiltinFunctions.h"
#include "platform/grid/EvalContext.h"
#include "platform/grid/FunctionArgs.h"
#include "platform/grid/FunctionSupport.h"
#include "platform/grid/ValueConversion.h"

#include <algorithm>
#include <array>

// INDEX, MATCH, VLOOKUP, HLOOKUP. Approximate matching walks the sorted run and keeps the last
// entry not beyond the key, which is what a binary search gives on sorted data. Searches stop
// at the sheet's last used row or column, so whole-column blocks cost only what is filled.

namespace grid {

namespace {

using S = FunctionSupport;

enum class MatchMode { Exact, Ascending, Descending };

bool sameKind(const Value& a, const Value& b) {
    const bool aNumber = a.isNumber();
    const bool bNumber = b.isNumber();
    return aNumber == bNumber && a.isText() == b.isText() && a.isBoolean() == b.isBoolean();
}

// The position (from 0) of key among `length` cells from start along a row (horizontal) or a
// column; -1 when there is none.
long long findInLine(const EvalContext& context, CellRef start, bool horizontal, long long length,
                     const Value& key, MatchMode mode) {
    const CellRef used = context.usedExtent();
    const long long usable = horizontal ? used.col - start.col + 1 : used.row - start.row + 1;
    length = std::min(length, std::max(usable, 0LL));
    long long found = -1;
    for (long long i = 0; i < length; ++i) {
        const CellRef ref = horizontal ? CellRef{start.col + static_cast<int>(i), start.row}
                                       : CellRef{start.col, start.row + static_cast<int>(i)};
        const Value& value = context.cellValue(ref);
        if (value.isEmpty() || value.isError() || !sameKind(value, key))
            continue;
        const int order = ValueConversion::compare(value, key);
        if (mode == MatchMode::Exact) {
            if (order == 0)
                return i;
            continue;
        }
        const bool fits = mode == MatchMode::Ascending ? order <= 0 : order >= 0;
        if (!fits)
            break;
        found = i;
    }
    return found;
}

Value match(FunctionArgs& args) {
    const Value key = args.value(0);
    if (key.isError())
        return key;
    double type = 1;
    if (const auto error = args.number(2, type, 1))
        return S::error(*error);
    const MatchMode mode =
        type > 0 ? MatchMode::Ascending : (type < 0 ? MatchMode::Descending : MatchMode::Exact);
    const Operand where = args.operand(1);
    if (key.isEmpty())
        return S::error(ErrorCode::NA);
    if (!where.isReference()) {
        const Value& only = where.value();
        if (only.isError())
            return only;
        return sameKind(only, key) && ValueConversion::compare(only, key) == 0
                   ? Value::number(1)
                   : S::error(ErrorCode::NA);
    }
    const CellRange& range = where.range();
    if (range.columns() != 1 && range.rows() != 1)
        return S::error(ErrorCode::NA);
    const bool horizontal = range.rows() == 1 && range.columns() > 1;
    const long long length = horizontal ? range.columns() : range.rows();
    const long long i = findInLine(args.context(), range.first, horizontal, length, key, mode);
    return i < 0 ? S::error(ErrorCode::NA) : Value::number(static_cast<double>(i + 1));
}

// VLOOKUP (vertical) and HLOOKUP: find the key in the table's first column (row) and return the
// cell `index` columns (rows) into the table on that row (column).
Value lookup(FunctionArgs& args, bool vertical) {
    const Value key = args.value(0);
    if (key.isError())
        return key;
    const Operand table = args.operand(1);
    double index = 0;
    if (const auto error = args.number(2, index))
        return S::error(*error);
    bool approximate = true;
    if (!args.isOmitted(3)) {
        if (const auto error = args.boolean(3, approximate))
            return S::error(*error);
    }
    if (!table.isReference())
        return S::error(ErrorCode::NA);
    const CellRange& range = table.range();
    const long long offset = S::whole(index);
    if (offset < 1)
        return S::error(ErrorCode::Value);
    if (offset > (vertical ? range.columns() : range.rows()))
        return S::error(ErrorCode::Ref);
    if (key.isEmpty())
        return S::error(ErrorCode::NA);
    const long long length = vertical ? range.rows() : range.columns();
    const long long i = findInLine(args.context(), range.first, !vertical, length, key,
                                   approximate ? MatchMode::Ascending : MatchMode::Exact);
    if (i < 0)
        return S::error(ErrorCode::NA);
    const CellRef cell = vertical ? CellRef{range.first.col + static_cast<int>(offset) - 1,
                                            range.first.row + static_cast<int>(i)}
                                  : CellRef{range.first.col + static_cast<int>(i),
                                            range.first.row + static_cast<int>(offset) - 1};
    return args.context().cellValue(cell);
}

// INDEX(block; row; column). With one index into a single row, the index counts columns.
Value index(FunctionArgs& args) {
    const Operand where = args.operand(0);
    double rowArg = 0;
    double colArg = 0;
    if (const auto error = args.number(1, rowArg, 0))
        return S::error(*error);
    if (const auto error = args.number(2, colArg, 0))
        return S::error(*error);
    long long row = S::whole(rowArg);
    long long col = S::whole(colArg);
    if (!where.isReference()) {
        if ((row == 0 || row == 1) && (col == 0 || col == 1))
            return where.value();
        return S::error(ErrorCode::Ref);
    }
    const CellRange& range = where.range();
    if (args.count() < 3 && range.rows() == 1 && range.columns() > 1) {
        col = row;
        row = 1;
    }
    if (row == 0 && range.rows() == 1)
        row = 1;
    if (col == 0 && range.columns() == 1)
        col = 1;
    if (row < 0 || col < 0)
        return S::error(ErrorCode::Value);
    if (row == 0 || col == 0)
        return S::error(ErrorCode::Value); // a whole row or column is no single value
    if (row > range.rows() || col > range.columns())
        return S::error(ErrorCode::Ref);
    return args.context().cellValue(
        {range.first.col + static_cast<int>(col) - 1, range.first.row + static_cast<int>(row) - 1});
}

const std::array kFunctions = {
    BuiltinFunction{L"INDEX", 2, 3, &index},
    BuiltinFunction{L"MATCH", 2, 3, &match},
    BuiltinFunction{L"VLOOKUP", 3, 4, [](FunctionArgs& a) { return lookup(a, true); }},
    BuiltinFunction{L"HLOOKUP", 3, 4, [](FunctionArgs& a) { return lookup(a, false); }},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::lookup() {
    return kFunctions;
}

} // namespace grid
