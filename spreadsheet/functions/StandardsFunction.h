#pragma once

#include "platform/grid/functions/FunctionValue.h"

#include <span>

namespace ss {

// One custom spreadsheet function as it is registered on the control: its name, the least and
// the most arguments it takes, and its callback.
struct StandardsFunction {
    using Callback = bool (*)(grid::FunctionValue& result,
                              std::span<const grid::FunctionValue> args);

    const wchar_t* name;
    int minArgs;
    int maxArgs;
    Callback callback;
};

} // namespace ss
