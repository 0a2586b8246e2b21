#pragma once

#include "platform/grid/functions/BuiltinFunction.h"

#include <span>
#include <string_view>

namespace grid {

// The table of built-in functions, one list per theme.
class BuiltinFunctions {
public:
    // The function of that name (upper case), or null.
    static const BuiltinFunction* find(std::wstring_view upperName);

    static std::span<const BuiltinFunction> math();
    static std::span<const BuiltinFunction> rounding();
    static std::span<const BuiltinFunction> aggregate();
    static std::span<const BuiltinFunction> logic();
    static std::span<const BuiltinFunction> information();
    static std::span<const BuiltinFunction> lookup();
    static std::span<const BuiltinFunction> text();
    static std::span<const BuiltinFunction> textSearch();
    static std::span<const BuiltinFunction> statistics();
    static std::span<const BuiltinFunction> conditional();
    static std::span<const BuiltinFunction> reference();
    // Every list above, in that order.
    static std::span<const std::span<const BuiltinFunction>> all();
};

} // namespace grid
