#include "platform/core/text/Vdn_StringArray.h"

#include <ostream>

int Vdn_StringArray::find(const Vdn_String& text, bool caseSensitive) const {
    for (int i = 0; i < length(); ++i) {
        if ((*this)[i].equal(text, caseSensitive))
            return i;
    }
    return -1;
}

std::ostream& operator<<(std::ostream& out, const Vdn_StringArray& items) {
    out << '{';
    for (int i = 0; i < items.length(); ++i)
        out << (i > 0 ? ", \"" : "\"") << items[i] << '"';
    return out << '}';
}
