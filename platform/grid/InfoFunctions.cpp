#include "platform/grid/BuiltinFunctions.h"
#include "platform/grid/FunctionArgs.h"

#include <array>

// ISERROR, ISNUMBER, ISTEXT, ISBLANK: never errors themselves.

namespace grid {

namespace {

template <Value::Type T> Value isType(FunctionArgs& args) {
    return Value::boolean(args.value(0).type() == T);
}

const std::array kFunctions = {
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
