#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"

#include <array>
#include <cmath>

// ISERROR, ISNUMBER, ISTEXT, ISBLANK, ISLOGICAL, ISNA (never errors themselves), ISEVEN,
// ISODD, NA, N and T.

namespace grid {

namespace {

template <Value::Type T> Value isType(FunctionArgs& args) {
    return Value::boolean(args.value(0).type() == T);
}

// ISEVEN and ISODD of the whole part of a number; text is #VALUE!, empty is 0.
Value parity(FunctionArgs& args, bool even) {
    double x = 0;
    if (const auto error = args.number(0, x))
        return Value::error(*error);
    const bool isEven = std::fmod(std::trunc(x), 2) == 0;
    return Value::boolean(isEven == even);
}

const std::array kFunctions = {
    BuiltinFunction{L"ISLOGICAL", 1, 1, &isType<Value::Type::Boolean>},
    BuiltinFunction{L"ISNA", 1, 1,
                    [](FunctionArgs& a) {
                        const Value v = a.value(0);
                        return Value::boolean(v.isError() && v.asError() == ErrorCode::NA);
                    }},
    BuiltinFunction{L"ISEVEN", 1, 1, [](FunctionArgs& a) { return parity(a, true); }},
    BuiltinFunction{L"ISODD", 1, 1, [](FunctionArgs& a) { return parity(a, false); }},
    BuiltinFunction{L"NA", 0, 0, [](FunctionArgs&) { return Value::error(ErrorCode::NA); }},
    // N: a number as it is, TRUE and FALSE as 1 and 0, anything else 0; errors pass.
    BuiltinFunction{L"N", 1, 1,
                    [](FunctionArgs& a) {
                        const Value v = a.value(0);
                        switch (v.type()) {
                        case Value::Type::Number:
                        case Value::Type::Error:
                            return v;
                        case Value::Type::Boolean:
                            return Value::number(v.asBoolean() ? 1 : 0);
                        default:
                            return Value::number(0);
                        }
                    }},
    // T: a text as it is, anything else ""; errors pass.
    BuiltinFunction{L"T", 1, 1,
                    [](FunctionArgs& a) {
                        const Value v = a.value(0);
                        return v.isText() || v.isError() ? v : Value::text(L"");
                    }},
    BuiltinFunction{L"ISERROR", 1, 1, &isType<Value::Type::Error>},
    BuiltinFunction{L"ISNUMBER", 1, 1, &isType<Value::Type::Number>},
    BuiltinFunction{L"ISTEXT", 1, 1, &isType<Value::Type::Text>},
    // Only a cell that holds nothing is blank; a formula giving "" is not.
    BuiltinFunction{L"ISBLANK", 1, 1, &isType<Value::Type::Empty>},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::information() {
    return kFunctions;
}

} // namespace grid
