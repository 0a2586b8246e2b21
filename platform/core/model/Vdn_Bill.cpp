#include "platform/core/model/Vdn_Bill.h"

#include <algorithm>

const Vdn_BillItem* Vdn_Bill::findItem(const Vdn_String& position) const {
    for (int i = 0; i < items.length(); ++i) {
        if (items[i].position == position)
            return &items[i];
    }
    return nullptr;
}

double Vdn_Bill::longestLength() const {
    double longest = 0;
    for (int i = 0; i < items.length(); ++i)
        longest = std::max(longest, items[i].length);
    return longest;
}
