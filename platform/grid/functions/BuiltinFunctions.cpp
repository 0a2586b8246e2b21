#include "platform/grid/functions/BuiltinFunctions.h"

#include <array>
#include <string>
#include <unordered_map>

namespace grid {

std::span<const std::span<const BuiltinFunction>> BuiltinFunctions::all() {
    static const std::array lists = {math(),        rounding(),    aggregate(), logic(),
                                     information(), lookup(),      text(),      textSearch(),
                                     statistics(),  conditional(), reference()};
    return lists;
}

const BuiltinFunction* BuiltinFunctions::find(std::wstring_view upperName) {
    static const auto table = [] {
        std::unordered_map<std::wstring_view, const BuiltinFunction*> map;
        for (const auto list : all()) {
            for (const BuiltinFunction& function : list)
                map.emplace(function.name, &function);
        }
        return map;
    }();
    const auto it = table.find(upperName);
    return it == table.end() ? nullptr : it->second;
}

} // namespace grid
