#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"

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

} // namespace core
