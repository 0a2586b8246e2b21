#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/Operand.h"
#include "platform/grid/values/ErrorCode.h"
#include "platform/grid/values/Value.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace grid {

class EvalContext;
class FormulaEvaluator;

// The arguments of one built-in call, evaluated when the function asks for them. The typed
// readers return the error that stops the function, or nullopt when the value was read.
class FunctionArgs {
public:
    FunctionArgs(FormulaEvaluator& evaluator, const std::vector<ExprPtr>& args);

    std::size_t count() const { return args_.size(); }
    // True for an index beyond the call's arguments or an empty place (IF(A1,,2)).
    bool isOmitted(std::size_t i) const;
    Operand operand(std::size_t i);
    // The argument evaluated in array mode (FormulaEvaluator::evaluateArray).
    Operand arrayOperand(std::size_t i);
    Value value(std::size_t i);

    std::optional<ErrorCode> number(std::size_t i, double& out);
    // An argument beyond the call's arguments reads as fallback; an empty place is a value
    // (0), as in LEFT("Tessa";) which is "".
    std::optional<ErrorCode> number(std::size_t i, double& out, double fallback);
    std::optional<ErrorCode> text(std::size_t i, std::wstring& out);
    // Numbers are true when not 0; empty is false; text is #VALUE!.
    std::optional<ErrorCode> boolean(std::size_t i, bool& out);

    // Visits every value of argument i: each cell of a reference that holds a value and each
    // element of an inline array (with fromReference true), or the single value given
    // directly. visit returns false to stop.
    void forEachValue(std::size_t i,
                      const std::function<bool(const Value& value, bool fromReference)>& visit);

    // Hands back a result that is more than a value: a reference (OFFSET, INDIRECT) or an
    // array. The function then returns what this returns.
    Value returnOperand(Operand result);
    bool hasOperandResult() const { return operandResult_.has_value(); }
    Operand takeOperandResult() { return std::move(*operandResult_); }

    const EvalContext& context() const;
    FormulaEvaluator& evaluator() { return evaluator_; }

private:
    FormulaEvaluator& evaluator_;
    const std::vector<ExprPtr>& args_;
    // Built only by the few functions that give a reference or an array: most calls pay
    // nothing for it.
    std::optional<Operand> operandResult_;
};

} // namespace grid
