#pragma once

#include "platform/grid/functions/FunctionValue.h"

#include <functional>
#include <span>
#include <string>

namespace grid {

// A function added to a sheet's formula language by its user. The callback fills the result
// record from the argument records and returns whether it succeeded; a failure (or an argument
// count outside minArgs..maxArgs) makes the call #VALUE!.
struct CustomFunction {
    using Callback =
        std::function<bool(FunctionValue& result, std::span<const FunctionValue> args)>;

    std::wstring name;
    int minArgs = 0;
    int maxArgs = 0;
    // With this flag an argument that is a single cell reference arrives as Kind::Cell instead
    // of the cell's value. A block always arrives as Kind::Range.
    bool cellArgsAsReferences = false;
    Callback callback;
};

} // namespace grid
