#include "platform/grid/BuiltinFunctions.h"

#include <string>
#include <unordered_map>

namespace grid {

const BuiltinFunction* BuiltinFunctions::find(std::wstring_view upperName) {
    static const auto table = [] {
        std::unordered_map<std::wstring_view, const BuiltinFunction*> map;
        for (const auto list : {math(), rounding(), aggregate(), logic(), information(), lookup(),
                                text(), textSearch()}) {
            for (const BuiltinFunction& function : list)
                map.emplace(function.name, &function);
        }
        return map;
    }();
    const auto it = table.find(upperName);
    return it == table.end() ? nullptr : it->second;
}

} // namespace grid
