#pragma once

#include "platform/grid/values/Value.h"

#include <string_view>

namespace grid {

class FunctionArgs;

// A function of the formula language. Arguments are evaluated on demand through FunctionArgs,
// so IF, IFERROR and CHOOSE evaluate only the branch they return.
struct BuiltinFunction {
    std::wstring_view name;
    int minArgs;
    int maxArgs; // -1: any number
    Value (*impl)(FunctionArgs& args);
};

} // namespace grid
