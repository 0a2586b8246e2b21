#include "platform/grid/functions/FunctionArgs.h"

#include "platform/grid/formula/FormulaEvaluator.h"
#include "platform/grid/values/ValueConversion.h"

namespace grid {

FunctionArgs::FunctionArgs(FormulaEvaluator& evaluator, const std::vector<ExprPtr>& args)
    : evaluator_(evaluator), args_(args) {}

bool FunctionArgs::isOmitted(std::size_t i) const {
    return i >= args_.size() || args_[i]->isOmittedArgument();
}

Operand FunctionArgs::operand(std::size_t i) {
    if (i >= args_.size())
        return Operand();
    return evaluator_.evaluate(*args_[i]);
}

Operand FunctionArgs::arrayOperand(std::size_t i) {
    if (i >= args_.size())
        return Operand();
    return evaluator_.evaluateArray(*args_[i]);
}

Value FunctionArgs::value(std::size_t i) {
    return evaluator_.dereference(operand(i));
}

std::optional<ErrorCode> FunctionArgs::number(std::size_t i, double& out) {
    ErrorCode error = ErrorCode::Value;
    if (!ValueConversion::toNumber(value(i), out, error))
        return error;
    return std::nullopt;
}

std::optional<ErrorCode> FunctionArgs::number(std::size_t i, double& out, double fallback) {
    if (i >= args_.size()) {
        out = fallback;
        return std::nullopt;
    }
    return number(i, out);
}

std::optional<ErrorCode> FunctionArgs::text(std::size_t i, std::wstring& out) {
    const Value v = value(i);
    if (v.isError())
        return v.asError();
    out = ValueConversion::toText(v);
    return std::nullopt;
}

std::optional<ErrorCode> FunctionArgs::boolean(std::size_t i, bool& out) {
    const Value v = value(i);
    switch (v.type()) {
    case Value::Type::Error:
        return v.asError();
    case Value::Type::Text:
        return ErrorCode::Value;
    case Value::Type::Boolean:
        out = v.asBoolean();
        return std::nullopt;
    case Value::Type::Number:
        out = v.asNumber() != 0;
        return std::nullopt;
    case Value::Type::Empty:
        out = false;
        return std::nullopt;
    }
    return ErrorCode::Value;
}

void FunctionArgs::forEachValue(
    std::size_t i, const std::function<bool(const Value& value, bool fromReference)>& visit) {
    const Operand op = operand(i);
    if (op.isArray()) {
        for (const Value& v : op.array().values()) {
            if (!v.isEmpty() && !visit(v, true))
                return;
        }
        return;
    }
    if (!op.isReference()) {
        visit(op.value(), false);
        return;
    }
    context().forEachValue(op.range(), [&](CellRef, const Value& v) { return visit(v, true); });
}

Value FunctionArgs::returnOperand(Operand result) {
    Value first = result.isReference() ? Value() : result.value();
    operandResult_ = std::move(result);
    return first;
}

const EvalContext& FunctionArgs::context() const {
    return evaluator_.context();
}

} // namespace grid
