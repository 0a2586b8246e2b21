#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/values/ValueConversion.h"

#include <array>
#include <optional>

// IF, IFS, SWITCH, AND, OR, XOR, NOT, TRUE, FALSE, IFERROR, IFNA. The choosing functions
// evaluate only the arguments they need.

namespace grid {

namespace {

using S = FunctionSupport;

Value ifFunction(FunctionArgs& args) {
    bool condition = false;
    if (const auto error = args.boolean(0, condition))
        return S::error(*error);
    if (condition)
        return args.count() < 2 ? Value::boolean(true) : args.value(1);
    return args.count() < 3 ? Value::boolean(false) : args.value(2);
}

// AND, OR and XOR read numbers and booleans; text and empty cells in references are skipped, text
// given directly is #VALUE!, and no logical value at all is #VALUE!.
enum class Combine { And, Or, Xor };

Value logical(FunctionArgs& args, Combine combine) {
    bool result = combine == Combine::And;
    bool any = false;
    std::optional<ErrorCode> error;
    for (std::size_t i = 0; i < args.count() && !error; ++i) {
        if (args.isOmitted(i))
            continue;
        args.forEachValue(i, [&](const Value& value, bool fromReference) {
            bool truth = false;
            switch (value.type()) {
            case Value::Type::Error:
                error = value.asError();
                return false;
            case Value::Type::Number:
                truth = value.asNumber() != 0;
                break;
            case Value::Type::Boolean:
                truth = value.asBoolean();
                break;
            case Value::Type::Text:
                if (!fromReference)
                    error = ErrorCode::Value;
                return fromReference;
            case Value::Type::Empty:
                return true;
            }
            any = true;
            switch (combine) {
            case Combine::And:
                result = result && truth;
                break;
            case Combine::Or:
                result = result || truth;
                break;
            case Combine::Xor:
                result = result != truth;
                break;
            }
            return true;
        });
    }
    if (error)
        return S::error(*error);
    if (!any)
        return S::error(ErrorCode::Value);
    return Value::boolean(result);
}

// IFS(condition1; value1; ...): the value of the first true condition; none is #N/A.
Value ifs(FunctionArgs& args) {
    if (args.count() % 2 != 0)
        return S::error(ErrorCode::Value);
    for (std::size_t i = 0; i < args.count(); i += 2) {
        bool condition = false;
        if (const auto error = args.boolean(i, condition))
            return S::error(*error);
        if (condition)
            return args.value(i + 1);
    }
    return S::error(ErrorCode::NA);
}

// SWITCH(expression; value1; result1; ...; [default]): the result of the first value equal to
// the expression, else the default, else #N/A.
Value switchFunction(FunctionArgs& args) {
    const Value subject = args.value(0);
    if (subject.isError())
        return subject;
    std::size_t i = 1;
    for (; i + 1 < args.count(); i += 2) {
        const Value candidate = args.value(i);
        if (candidate.isError())
            return candidate;
        const bool comparable =
            subject.type() == candidate.type() || subject.isEmpty() || candidate.isEmpty();
        if (comparable && ValueConversion::compare(subject, candidate) == 0)
            return args.value(i + 1);
    }
    if (i < args.count())
        return args.value(i);
    return S::error(ErrorCode::NA);
}

const std::array kFunctions = {
    BuiltinFunction{L"IFS", 2, -1, &ifs},
    BuiltinFunction{L"SWITCH", 3, -1, &switchFunction},
    BuiltinFunction{L"XOR", 1, -1, [](FunctionArgs& a) { return logical(a, Combine::Xor); }},
    BuiltinFunction{L"IFNA", 2, 2,
                    [](FunctionArgs& a) {
                        Value v = a.value(0);
                        return v.isError() && v.asError() == ErrorCode::NA ? a.value(1) : v;
                    }},
    BuiltinFunction{L"IF", 1, 3, &ifFunction},
    BuiltinFunction{L"AND", 1, -1, [](FunctionArgs& a) { return logical(a, Combine::And); }},
    BuiltinFunction{L"OR", 1, -1, [](FunctionArgs& a) { return logical(a, Combine::Or); }},
    BuiltinFunction{L"NOT", 1, 1,
                    [](FunctionArgs& a) {
                        bool b = false;
                        if (const auto error = a.boolean(0, b))
                            return S::error(*error);
                        return Value::boolean(!b);
                    }},
    BuiltinFunction{L"TRUE", 0, 0, [](FunctionArgs&) { return Value::boolean(true); }},
    BuiltinFunction{L"FALSE", 0, 0, [](FunctionArgs&) { return Value::boolean(false); }},
    BuiltinFunction{L"IFERROR", 2, 2,
                    [](FunctionArgs& a) {
                        Value v = a.value(0);
                        return v.isError() ? a.value(1) : v;
                    }},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::logic() {
    return kFunctions;
}

} // namespace grid
