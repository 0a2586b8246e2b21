#include "platform/grid/formula/FormulaEvaluator.h"

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
#include "platform/grid/functions/BuiltinFunction.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/values/Rounding.h"
#include "platform/grid/values/ValueBlock.h"
#include "platform/grid/values/ValueConversion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace grid {

namespace {

Value numberResult(double n) {
    return FunctionSupport::number(n);
}

// Kept out of line: the visitors recurse with the formula's depth, and inlining this (with its
// texts) into them would make every level's stack frame larger.
[[gnu::noinline]] Value apply(BinaryOperator op, const Value& a, const Value& b) {
    if (a.isError())
        return a;
    if (b.isError())
        return b;
    switch (op) {
    case BinaryOperator::Equal:
        return Value::boolean(ValueConversion::compare(a, b) == 0);
    case BinaryOperator::NotEqual:
        return Value::boolean(ValueConversion::compare(a, b) != 0);
    case BinaryOperator::Less:
        return Value::boolean(ValueConversion::compare(a, b) < 0);
    case BinaryOperator::LessEqual:
        return Value::boolean(ValueConversion::compare(a, b) <= 0);
    case BinaryOperator::Greater:
        return Value::boolean(ValueConversion::compare(a, b) > 0);
    case BinaryOperator::GreaterEqual:
        return Value::boolean(ValueConversion::compare(a, b) >= 0);
    case BinaryOperator::Concat: {
        std::wstring text = ValueConversion::toText(a);
        const std::wstring right = ValueConversion::toText(b);
        if (text.size() + right.size() > kMaxTextLength)
            return Value::error(ErrorCode::Value);
        text += right;
        return Value::text(std::move(text));
    }
    default:
        break;
    }
    double x = 0;
    double y = 0;
    ErrorCode error = ErrorCode::Value;
    if (!ValueConversion::toNumber(a, x, error) || !ValueConversion::toNumber(b, y, error))
        return Value::error(error);
    switch (op) {
    case BinaryOperator::Add:
        return numberResult(Rounding::approxAdd(x, y));
    case BinaryOperator::Subtract:
        return numberResult(Rounding::approxSub(x, y));
    case BinaryOperator::Multiply:
        return numberResult(x * y);
    case BinaryOperator::Divide:
        if (y == 0)
            return Value::error(ErrorCode::Div0);
        return numberResult(x / y);
    case BinaryOperator::Power:
        return FunctionSupport::power(x, y);
    default:
        return Value::error(ErrorCode::Value);
    }
}

// More elements than this in one array-mode result are refused (#VALUE!) rather than built.
constexpr long long kMaxArrayElements = 1 << 18;

bool isBlock(const Operand& operand) {
    return operand.isArray() || (operand.isReference() && !operand.range().isSingleCell());
}

FunctionValue toRecord(const Value& value) {
    switch (value.type()) {
    case Value::Type::Number: {
        const double n = value.asNumber();
        if (n == std::floor(n) && n >= std::numeric_limits<int>::min() &&
            n <= std::numeric_limits<int>::max())
            return FunctionValue::ofInteger(static_cast<long>(n));
        return FunctionValue::ofReal(n);
    }
    case Value::Type::Text:
        return FunctionValue::ofText(value.asText());
    case Value::Type::Boolean:
        return FunctionValue::ofInteger(value.asBoolean() ? 1 : 0);
    case Value::Type::Error:
        return FunctionValue::ofError();
    case Value::Type::Empty:
        break;
    }
    return FunctionValue::empty();
}

} // namespace

FormulaEvaluator::FormulaEvaluator(const EvalContext& context, CellRef host)
    : context_(context), host_(host) {}

Value FormulaEvaluator::evaluateFormula(const Expr& root) {
    Value value = dereference(evaluate(root));
    if (value.isEmpty())
        return Value::number(0);
    return value;
}

Operand FormulaEvaluator::evaluateArray(const Expr& expr) {
    const bool outer = arrayMode_;
    arrayMode_ = true;
    Operand result = evaluate(expr);
    arrayMode_ = outer;
    return result;
}

// Element by element; a block of one row or column stretches along the other's rows or
// columns, as spreadsheets do.
Operand FormulaEvaluator::combine(BinaryOperator op, const Operand& a, const Operand& b) {
    if (!isBlock(a) && !isBlock(b))
        return Operand(apply(op, dereference(a), dereference(b)));
    const ValueBlock left(a, context_);
    const ValueBlock right(b, context_);
    const long long rows = std::max(left.rows(), right.rows());
    const long long cols = std::max(left.columns(), right.columns());
    if (rows * cols > kMaxArrayElements)
        return Operand(Value::error(ErrorCode::Value));
    std::vector<Value> values;
    values.reserve(static_cast<std::size_t>(rows * cols));
    for (long long r = 0; r < rows; ++r) {
        for (long long c = 0; c < cols; ++c) {
            const Value& x = left.at(left.rows() == 1 ? 0 : r, left.columns() == 1 ? 0 : c);
            const Value& y = right.at(right.rows() == 1 ? 0 : r, right.columns() == 1 ? 0 : c);
            values.push_back(apply(op, x, y));
        }
    }
    return Operand::array(std::make_shared<const ValueArray>(
        static_cast<int>(rows), static_cast<int>(cols), std::move(values)));
}

Operand FormulaEvaluator::negate(const Operand& block) {
    const ValueBlock values(block, context_);
    if (values.rows() * values.columns() > kMaxArrayElements)
        return Operand(Value::error(ErrorCode::Value));
    std::vector<Value> out;
    out.reserve(static_cast<std::size_t>(values.rows() * values.columns()));
    for (long long r = 0; r < values.rows(); ++r) {
        for (long long c = 0; c < values.columns(); ++c)
            out.push_back(apply(BinaryOperator::Subtract, Value::number(0), values.at(r, c)));
    }
    return Operand::array(std::make_shared<const ValueArray>(
        static_cast<int>(values.rows()), static_cast<int>(values.columns()), std::move(out)));
}

Operand FormulaEvaluator::evaluate(const Expr& expr) {
    expr.accept(*this);
    return std::move(result_);
}

Value FormulaEvaluator::dereference(const Operand& operand) const {
    if (!operand.isReference())
        return operand.value();
    const CellRange& range = operand.range();
    if (range.isSingleCell())
        return context_.cellValue(range.first);
    if (range.columns() == 1 && host_.row >= range.first.row && host_.row <= range.last.row)
        return context_.cellValue({range.first.col, host_.row});
    if (range.rows() == 1 && host_.col >= range.first.col && host_.col <= range.last.col)
        return context_.cellValue({host_.col, range.first.row});
    return Value::error(ErrorCode::Value);
}

void FormulaEvaluator::visit(const LiteralExpr& expr) {
    result_ = Operand(expr.value());
}

void FormulaEvaluator::visit(const ReferenceExpr& expr) {
    result_ = Operand::reference(CellRange::single(expr.reference().cell()));
}

void FormulaEvaluator::visit(const RangeExpr& expr) {
    result_ = Operand::reference(expr.range());
}

void FormulaEvaluator::visit(const UnaryExpr& expr) {
    Operand operand = evaluate(expr.operand());
    std::size_t minuses = 0;
    for (const UnaryOperator sign : expr.signs())
        minuses += sign == UnaryOperator::Minus ? 1 : 0;
    if (arrayMode_ && isBlock(operand)) {
        // --(A1:A9>2): an even count of minuses still makes the elements numbers.
        if (minuses == 0) {
            result_ = std::move(operand);
            return;
        }
        result_ = negate(operand);
        if (minuses % 2 == 0 && result_.isArray())
            result_ = negate(result_);
        return;
    }
    Value value = dereference(operand);
    if (minuses == 0 || value.isError()) {
        // A lone '+' leaves any value as it is, as in other spreadsheets.
        result_ = Operand(std::move(value));
        return;
    }
    double n = 0;
    ErrorCode error = ErrorCode::Value;
    if (!ValueConversion::toNumber(value, n, error)) {
        result_ = Operand(Value::error(error));
        return;
    }
    result_ = Operand(numberResult(minuses % 2 == 1 ? -n : n));
}

void FormulaEvaluator::visit(const PercentExpr& expr) {
    const Value value = dereference(evaluate(expr.operand()));
    double n = 0;
    ErrorCode error = ErrorCode::Value;
    if (!ValueConversion::toNumber(value, n, error)) {
        result_ = Operand(Value::error(error));
        return;
    }
    for (int i = 0; i < expr.count(); ++i)
        n /= 100;
    result_ = Operand(numberResult(n));
}

void FormulaEvaluator::visit(const OperatorChainExpr& expr) {
    const auto& operands = expr.operands();
    if (arrayMode_) {
        Operand acc = evaluate(*operands[0]);
        for (std::size_t i = 1; i < operands.size(); ++i)
            acc = combine(expr.operators()[i - 1], acc, evaluate(*operands[i]));
        result_ = std::move(acc);
        return;
    }
    Value acc = dereference(evaluate(*operands[0]));
    for (std::size_t i = 1; i < operands.size() && !acc.isError(); ++i) {
        const Value rhs = dereference(evaluate(*operands[i]));
        acc = apply(expr.operators()[i - 1], acc, rhs);
    }
    result_ = Operand(std::move(acc));
}

void FormulaEvaluator::visit(const ParenExpr& expr) {
    result_ = evaluate(expr.inner());
}

void FormulaEvaluator::visit(const CallExpr& expr) {
    if (const BuiltinFunction* builtin = expr.builtin()) {
        // A function reads its own arguments; array mode is for the operators around it.
        const bool outer = arrayMode_;
        arrayMode_ = false;
        FunctionArgs args(*this, expr.args());
        Value value = builtin->impl(args);
        arrayMode_ = outer;
        result_ = args.hasOperandResult() ? args.takeOperandResult() : Operand(std::move(value));
        return;
    }
    result_ = Operand(callCustom(expr));
}

void FormulaEvaluator::visit(const ArrayExpr& expr) {
    result_ = Operand::array(expr.array());
}

void FormulaEvaluator::visit(const NameExpr&) {
    result_ = Operand(Value::error(ErrorCode::Name));
}

Value FormulaEvaluator::callCustom(const CallExpr& expr) {
    // Held for the whole call: the callback may re-register its own name meanwhile.
    const std::shared_ptr<const CustomFunction> function = context_.customFunction(expr.name());
    if (!function || !function->callback)
        return Value::error(ErrorCode::Name);
    const int count = static_cast<int>(expr.args().size());
    if (count < function->minArgs || (function->maxArgs >= 0 && count > function->maxArgs))
        return Value::error(ErrorCode::Value);

    std::vector<FunctionValue> records;
    records.reserve(expr.args().size());
    for (const ExprPtr& arg : expr.args()) {
        if (arg->isOmittedArgument()) {
            records.push_back(FunctionValue::empty());
            continue;
        }
        const Operand op = evaluate(*arg);
        if (!op.isReference())
            records.push_back(toRecord(op.value()));
        else if (!op.range().isSingleCell())
            records.push_back(FunctionValue::ofRange(op.range()));
        else if (function->cellArgsAsReferences)
            records.push_back(FunctionValue::ofCell(op.range().first));
        else
            records.push_back(toRecord(context_.cellValue(op.range().first)));
    }

    FunctionValue result;
    bool ok = false;
    try {
        ok = function->callback(result, records);
    } catch (...) {
        // A callback that throws has failed; nothing may escape the evaluation.
        ok = false;
    }
    if (!ok || result.status == FunctionValue::Status::Error)
        return Value::error(ErrorCode::Value);
    if (result.status == FunctionValue::Status::Empty)
        return Value::text(L"");
    switch (result.kind) {
    case FunctionValue::Kind::Integer:
        return Value::number(static_cast<double>(result.integer));
    case FunctionValue::Kind::Real:
        return numberResult(result.real);
    case FunctionValue::Kind::Text:
        return Value::text(std::move(result.text));
    case FunctionValue::Kind::Cell:
        return context_.cellValue(result.cell);
    case FunctionValue::Kind::Range:
        break;
    }
    return Value::error(ErrorCode::Value);
}

} // namespace grid
