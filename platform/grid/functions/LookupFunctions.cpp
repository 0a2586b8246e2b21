#include "platform/grid/formula/EvalContext.h"
#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/values/ValueBlock.h"
#include "platform/grid/values/ValueConversion.h"
#include "platform/grid/values/Wildcard.h"

#include <algorithm>
#include <array>

// INDEX, MATCH, VLOOKUP, HLOOKUP, LOOKUP and CHOOSE over referenced blocks and inline arrays.
// Approximate matching walks the sorted run and keeps the last entry not beyond the key, which
// is what a binary search gives on sorted data. Exact matching of a text key reads '*', '?' and
// '~' as wildcards. Searches stop at the sheet's last used row or column, so whole-column
// blocks cost only what is filled.

namespace grid {

namespace {

using S = FunctionSupport;

enum class MatchMode { Exact, Ascending, Descending };

bool sameKind(const Value& a, const Value& b) {
    return a.isNumber() == b.isNumber() && a.isText() == b.isText() &&
           a.isBoolean() == b.isBoolean();
}

// The position (from 0) of key along row `line` (horizontal) or column `line` of the block;
// -1 when there is none.
long long findInLine(const ValueBlock& block, bool horizontal, long long line, const Value& key,
                     MatchMode mode) {
    const long long length = horizontal ? block.usedColumns() : block.usedRows();
    const bool wildcards =
        mode == MatchMode::Exact && key.isText() && Wildcard::hasWildcards(key.asText());
    long long found = -1;
    for (long long i = 0; i < length; ++i) {
        const Value& value = horizontal ? block.at(line, i) : block.at(i, line);
        if (value.isEmpty() || value.isError() || !sameKind(value, key))
            continue;
        if (wildcards) {
            if (Wildcard::matches(key.asText(), value.asText()))
                return i;
            continue;
        }
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
    if (!where.isReference() && !where.isArray() && where.value().isError())
        return where.value();
    if (key.isEmpty())
        return S::error(ErrorCode::NA);
    const ValueBlock block(where, args.context());
    if (block.columns() != 1 && block.rows() != 1)
        return S::error(ErrorCode::NA);
    const bool horizontal = block.rows() == 1 && block.columns() > 1;
    const long long i = findInLine(block, horizontal, 0, key, mode);
    return i < 0 ? S::error(ErrorCode::NA) : Value::number(static_cast<double>(i + 1));
}

// VLOOKUP (vertical) and HLOOKUP: find the key in the table's first column (row) and return the
// value `index` columns (rows) into the table on that row (column).
Value tableLookup(FunctionArgs& args, bool vertical) {
    const Value key = args.value(0);
    if (key.isError())
        return key;
    const Operand table = args.operand(1);
    double index = 0;
    if (const auto error = args.number(2, index))
        return S::error(*error);
    bool approximate = true;
    if (args.count() > 3) {
        if (const auto error = args.boolean(3, approximate))
            return S::error(*error);
    }
    if (!table.isReference() && !table.isArray())
        return table.value().isError() ? table.value() : S::error(ErrorCode::NA);
    const ValueBlock block(table, args.context());
    const long long offset = S::whole(index);
    if (offset < 1)
        return S::error(ErrorCode::Value);
    if (offset > (vertical ? block.columns() : block.rows()))
        return S::error(ErrorCode::Ref);
    if (key.isEmpty())
        return S::error(ErrorCode::NA);
    const long long i =
        findInLine(block, !vertical, 0, key, approximate ? MatchMode::Ascending : MatchMode::Exact);
    if (i < 0)
        return S::error(ErrorCode::NA);
    return vertical ? block.at(i, offset - 1) : block.at(offset - 1, i);
}

// LOOKUP(key; searched; [results]): an approximate search of a sorted row or column. Without
// results, a block wider than tall is searched in its first row and answers from its last row,
// any other in its first column answering from its last column.
Value lookup(FunctionArgs& args) {
    const Value key = args.value(0);
    if (key.isError())
        return key;
    if (key.isEmpty())
        return S::error(ErrorCode::NA);
    const Operand searched = args.operand(1);
    if (!searched.isReference() && !searched.isArray() && searched.value().isError())
        return searched.value();
    const ValueBlock block(searched, args.context());
    const bool horizontal = block.columns() > block.rows();
    const long long i = findInLine(block, horizontal, 0, key, MatchMode::Ascending);
    if (i < 0)
        return S::error(ErrorCode::NA);
    if (args.count() < 3)
        return horizontal ? block.at(block.rows() - 1, i) : block.at(i, block.columns() - 1);
    const Operand results = args.operand(2);
    if (!results.isReference() && !results.isArray() && results.value().isError())
        return results.value();
    const ValueBlock answers(results, args.context());
    if (answers.rows() != 1 && answers.columns() != 1)
        return S::error(ErrorCode::NA);
    if (i >= answers.rows() * answers.columns()) {
        // A result row or column shorter than the searched one reads on beyond its end.
        if (!answers.isReference())
            return S::error(ErrorCode::NA);
        const CellRange& range = answers.range();
        const long long col = range.first.col + (answers.rows() == 1 ? i : 0);
        const long long row = range.first.row + (answers.rows() == 1 ? 0 : i);
        return args.context().cellValue({static_cast<int>(col), static_cast<int>(row)});
    }
    return answers.rows() == 1 ? answers.at(0, i) : answers.at(i, 0);
}

// INDEX(block; row; column). With one index into a single row, the index counts columns. Row
// or column 0 stands for the whole column or row. Into a referenced block the result is a
// reference, so SUM(INDEX(A1:C3; 0; 2)) adds the second column.
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
    if (!where.isReference() && !where.isArray()) {
        if ((row == 0 || row == 1) && (col == 0 || col == 1))
            return where.value();
        return S::error(ErrorCode::Ref);
    }
    const ValueBlock block(where, args.context());
    if (args.count() < 3 && block.rows() == 1 && block.columns() > 1) {
        col = row;
        row = 1;
    }
    if (row == 0 && block.rows() == 1)
        row = 1;
    if (col == 0 && block.columns() == 1)
        col = 1;
    if (row < 0 || col < 0)
        return S::error(ErrorCode::Value);
    if (row > block.rows() || col > block.columns())
        return S::error(ErrorCode::Ref);
    if (!where.isReference()) {
        if (row == 0 || col == 0)
            return S::error(ErrorCode::Value); // a whole row or column of an array
        return block.at(row - 1, col - 1);
    }
    const CellRange& range = where.range();
    CellRange picked = range;
    if (row > 0)
        picked.first.row = picked.last.row = range.first.row + static_cast<int>(row) - 1;
    if (col > 0)
        picked.first.col = picked.last.col = range.first.col + static_cast<int>(col) - 1;
    return args.returnOperand(Operand::reference(picked));
}

// CHOOSE hands on the argument it picks as it is, so a chosen block can be summed.
Value choose(FunctionArgs& args) {
    double index = 0;
    if (const auto error = args.number(0, index))
        return S::error(*error);
    const long long i = S::whole(index);
    if (i < 1 || i >= static_cast<long long>(args.count()))
        return S::error(ErrorCode::Value);
    return args.returnOperand(args.operand(static_cast<std::size_t>(i)));
}

const std::array kFunctions = {
    BuiltinFunction{L"INDEX", 2, 3, &index},
    BuiltinFunction{L"MATCH", 2, 3, &match},
    BuiltinFunction{L"VLOOKUP", 3, 4, [](FunctionArgs& a) { return tableLookup(a, true); }},
    BuiltinFunction{L"HLOOKUP", 3, 4, [](FunctionArgs& a) { return tableLookup(a, false); }},
    BuiltinFunction{L"LOOKUP", 2, 3, &lookup},
    BuiltinFunction{L"CHOOSE", 2, -1, &choose},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::lookup() {
    return kFunctions;
}

} // namespace grid
