#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/values/Criterion.h"
#include "platform/grid/values/Rounding.h"
#include "platform/grid/values/ValueBlock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

// COUNTIF, COUNTIFS, SUMIF, SUMIFS, AVERAGEIF, AVERAGEIFS, COUNTBLANK and SUMPRODUCT. The
// conditions are Criterion's; the cells added are those in the same place of the block to add
// that hold numbers. Blocks are read only up to the sheet's last used row and column.

namespace grid {

namespace {

using S = FunctionSupport;

// A condition over one block: which of its places match.
struct Condition {
    Operand block;
    Value criterion;
};

// Runs visit(row, col) for each place where every condition holds; conditions on blocks of
// different sizes are #VALUE!.
std::optional<ErrorCode> forEachMatch(FunctionArgs& args, const std::vector<Condition>& conditions,
                                      const std::function<void(long long, long long)>& visit) {
    std::vector<ValueBlock> blocks;
    std::vector<Criterion> criteria;
    blocks.reserve(conditions.size());
    criteria.reserve(conditions.size());
    for (const Condition& condition : conditions) {
        blocks.emplace_back(condition.block, args.context());
        criteria.emplace_back(condition.criterion);
    }
    const ValueBlock& first = blocks.front();
    long long rows = first.usedRows();
    long long cols = first.usedColumns();
    for (const ValueBlock& block : blocks) {
        if (block.rows() != first.rows() || block.columns() != first.columns())
            return ErrorCode::Value;
        rows = std::max(rows, block.usedRows());
        cols = std::max(cols, block.usedColumns());
    }
    for (long long r = 0; r < rows; ++r) {
        for (long long c = 0; c < cols; ++c) {
            bool all = true;
            for (std::size_t k = 0; k < blocks.size() && all; ++k)
                all = criteria[k].matches(blocks[k].at(r, c));
            if (all)
                visit(r, c);
        }
    }
    return std::nullopt;
}

// Whether criteria that match empty cells would also match the unused part of the blocks,
// which counting must then add without visiting it.
long long unusedMatches(const std::vector<Condition>& conditions, FunctionArgs& args) {
    const Value nothing;
    for (const Condition& condition : conditions) {
        if (!Criterion(condition.criterion).matches(nothing))
            return 0;
    }
    const ValueBlock block(conditions.front().block, args.context());
    long long rows = block.usedRows();
    long long cols = block.usedColumns();
    for (const Condition& condition : conditions) {
        const ValueBlock other(condition.block, args.context());
        rows = std::max(rows, other.usedRows());
        cols = std::max(cols, other.usedColumns());
    }
    return block.rows() * block.columns() - rows * cols;
}

std::optional<ErrorCode> readConditions(FunctionArgs& args, std::size_t from,
                                        std::vector<Condition>& out) {
    if ((args.count() - from) % 2 != 0 || args.count() <= from)
        return ErrorCode::Value;
    for (std::size_t i = from; i + 1 < args.count(); i += 2) {
        Condition condition{args.operand(i), args.value(i + 1)};
        if (condition.criterion.isError())
            return condition.criterion.asError();
        out.push_back(std::move(condition));
    }
    return std::nullopt;
}

Value countMatches(FunctionArgs& args) {
    std::vector<Condition> conditions;
    if (const auto error = readConditions(args, 0, conditions))
        return S::error(*error);
    long long count = 0;
    if (const auto error = forEachMatch(args, conditions, [&](long long, long long) { ++count; }))
        return S::error(*error);
    count += unusedMatches(conditions, args);
    return Value::number(static_cast<double>(count));
}

// Adds (and counts) the numbers of `values` at the places that match. `values` is read from
// its top-left corner in the shape of the condition blocks.
struct Total {
    double sum = 0;
    double largest = 0;
    long long count = 0;
    bool positive = false;
    bool negative = false;
    std::optional<ErrorCode> error;
};

std::optional<ErrorCode> addMatches(FunctionArgs& args, const Operand& values,
                                    const std::vector<Condition>& conditions, Total& total) {
    const ValueBlock block(values, args.context());
    const auto error = forEachMatch(args, conditions, [&](long long r, long long c) {
        const Value* value = &block.at(r, c);
        Value beyond;
        if ((r >= block.rows() || c >= block.columns()) && values.isReference()) {
            const CellRef first = values.range().first;
            beyond = args.context().cellValue(
                {first.col + static_cast<int>(c), first.row + static_cast<int>(r)});
            value = &beyond;
        }
        if (value->isError() && !total.error)
            total.error = value->asError();
        if (!value->isNumber())
            return;
        const double x = value->asNumber();
        total.sum += x;
        total.largest = std::max(total.largest, std::fabs(x));
        total.positive = total.positive || x > 0;
        total.negative = total.negative || x < 0;
        ++total.count;
    });
    if (error)
        return error;
    return total.error;
}

double snapped(const Total& total) {
    if (!total.positive || !total.negative)
        return total.sum;
    return Rounding::snapCancelled(total.sum, total.largest,
                                   static_cast<int>(std::clamp(total.count, 2LL, 1LL << 20)));
}

// SUMIF and AVERAGEIF(block; criterion; [values]).
Value sumIf(FunctionArgs& args, bool average) {
    std::vector<Condition> conditions{{args.operand(0), args.value(1)}};
    if (conditions.front().criterion.isError())
        return conditions.front().criterion;
    const Operand values = args.count() > 2 ? args.operand(2) : conditions.front().block;
    Total total;
    if (const auto error = addMatches(args, values, conditions, total))
        return S::error(*error);
    if (!average)
        return S::number(snapped(total));
    if (total.count == 0)
        return S::error(ErrorCode::Div0);
    return S::number(snapped(total) / static_cast<double>(total.count));
}

// SUMIFS and AVERAGEIFS(values; block1; criterion1; ...): every block as large as values.
Value sumIfs(FunctionArgs& args, bool average) {
    std::vector<Condition> conditions;
    if (const auto error = readConditions(args, 1, conditions))
        return S::error(*error);
    const Operand values = args.operand(0);
    const ValueBlock block(values, args.context());
    const ValueBlock first(conditions.front().block, args.context());
    if (block.rows() != first.rows() || block.columns() != first.columns())
        return S::error(ErrorCode::Value);
    Total total;
    if (const auto error = addMatches(args, values, conditions, total))
        return S::error(*error);
    if (!average)
        return S::number(snapped(total));
    if (total.count == 0)
        return S::error(ErrorCode::Div0);
    return S::number(snapped(total) / static_cast<double>(total.count));
}

Value countBlank(FunctionArgs& args) {
    std::vector<Condition> conditions{{args.operand(0), Value::text(L"=")}};
    long long count = 0;
    if (const auto error = forEachMatch(args, conditions, [&](long long, long long) { ++count; }))
        return S::error(*error);
    count += unusedMatches(conditions, args);
    return Value::number(static_cast<double>(count));
}

// SUMPRODUCT(block1; ...): the sum of the products of the values in the same places; blocks
// of different sizes are #VALUE!, and anything but a number counts as 0. Its arguments are
// computed in array mode: SUMPRODUCT((A1:A9>2)*B1:B9).
Value sumProduct(FunctionArgs& args) {
    std::vector<Operand> operands;
    operands.reserve(args.count());
    for (std::size_t i = 0; i < args.count(); ++i) {
        operands.push_back(args.arrayOperand(i));
        const Operand& op = operands.back();
        if (!op.isReference() && !op.isArray() && op.value().isError())
            return op.value();
    }
    std::vector<ValueBlock> blocks;
    blocks.reserve(operands.size());
    for (const Operand& op : operands)
        blocks.emplace_back(op, args.context());
    long long rows = 0;
    long long cols = 0;
    for (const ValueBlock& block : blocks) {
        if (block.rows() != blocks.front().rows() || block.columns() != blocks.front().columns())
            return S::error(ErrorCode::Value);
        rows = std::max(rows, block.usedRows());
        cols = std::max(cols, block.usedColumns());
    }
    Total total;
    for (long long r = 0; r < rows; ++r) {
        for (long long c = 0; c < cols; ++c) {
            double product = 1;
            for (const ValueBlock& block : blocks) {
                const Value& value = block.at(r, c);
                if (value.isError())
                    return value;
                product *= value.isNumber() ? value.asNumber() : 0;
            }
            total.sum += product;
            total.largest = std::max(total.largest, std::fabs(product));
            total.positive = total.positive || product > 0;
            total.negative = total.negative || product < 0;
            ++total.count;
        }
    }
    return S::number(snapped(total));
}

const std::array kFunctions = {
    BuiltinFunction{L"COUNTIF", 2, 2, &countMatches},
    BuiltinFunction{L"COUNTIFS", 2, -1, &countMatches},
    BuiltinFunction{L"SUMIF", 2, 3, [](FunctionArgs& a) { return sumIf(a, false); }},
    BuiltinFunction{L"AVERAGEIF", 2, 3, [](FunctionArgs& a) { return sumIf(a, true); }},
    BuiltinFunction{L"SUMIFS", 3, -1, [](FunctionArgs& a) { return sumIfs(a, false); }},
    BuiltinFunction{L"AVERAGEIFS", 3, -1, [](FunctionArgs& a) { return sumIfs(a, true); }},
    BuiltinFunction{L"COUNTBLANK", 1, 1, &countBlank},
    BuiltinFunction{L"SUMPRODUCT", 1, -1, &sumProduct},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::conditional() {
    return kFunctions;
}

} // namespace grid
