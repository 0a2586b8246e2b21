#include "platform/grid/BuiltinFunctions.h"
#include "platform/grid/FunctionArgs.h"
#include "platform/grid/FunctionSupport.h"

#include <array>
#include <optional>

// IF, AND, OR, NOT, TRUE, FALSE, IFERROR, CHOOSE. IF, IFERROR and CHOOSE evaluate only the
// argument they return.

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

// AND and OR read numbers and booleans; text and empty cells in references are skipped, text
// given directly is #VALUE!, and no logical value at all is #VALUE!.
Value logical(FunctionArgs& args, bool isAnd) {
    bool result = isAnd;
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
            result = isAnd ? (result && truth) : (result || truth);
            return true;
        });
    }
    if (error)
        return S::error(*error);
    if (!any)
        return S::error(ErrorCode::Value);
    return Value::boolean(result);
}

Value choose(FunctionArgs& args) {
    double index = 0;
    if (const auto error = args.number(0, index))
        return S::error(*error);
    const long long i = S::whole(index);
    if (i < 1 || i >= static_cast<long long>(args.count()))
        return S::error(ErrorCode::Value);
    return args.value(static_cast<std::size_t>(i));
}

const std::array kFunctions = {
    BuiltinFunction{L"IF", 1, 3, &ifFunction},
    BuiltinFunction{L"AND", 1, -1, [](FunctionArgs& a) { return logical(a, true); }},
    BuiltinFunction{L"OR", 1, -1, [](FunctionArgs& a) { return logical(a, false); }},
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
    BuiltinFunction{L"CHOOSE", 2, -1, &choose},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::logic() {
    return kFunctions;
}

} // namespace grid
