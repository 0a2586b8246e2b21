#pragma once

#include "platform/core/text/CharCase.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"

#include <string>
#include <unordered_map>

namespace core {

// Index of the first item whose name equals name without regard to case, or -1. Names in the
// model are unique in this sense within their list (the macro-file reader checks it).
template <typename T> int indexOfName(const Vdn_Array<T>& items, const Vdn_String& name) {
    for (int i = 0; i < items.length(); ++i) {
        if (items[i].name.equal(name, false))
            return i;
    }
    return -1;
}

// Positions by name, without regard to case, for code that looks up many names in one list:
// a linear search per name makes a macro of many modules quadratic. The first position of a
// name wins, as with indexOfName.
class NameIndex {
public:
    NameIndex() = default;
    template <typename T> explicit NameIndex(const Vdn_Array<T>& items) {
        positions_.reserve(static_cast<std::size_t>(items.length()));
        for (int i = 0; i < items.length(); ++i)
            add(items[i].name, i);
    }
    // Records name at position unless the name is already there; true when it was added.
    bool add(const Vdn_String& name, int position) {
        return positions_.emplace(lowerCase(name.str()), position).second;
    }
    int find(const Vdn_String& name) const {
        const auto found = positions_.find(lowerCase(name.str()));
        return found == positions_.end() ? -1 : found->second;
    }

private:
    std::unordered_map<std::wstring, int> positions_;
};

} // namespace core
