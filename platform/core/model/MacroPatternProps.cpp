#include "platform/core/model/MacroPatternProps.h"

#include <cwctype>

int MacroPatternProps::getCount() const {
    const Vdn_String text = countText.trim();
    if (text.isEmpty())
        return -1;
    for (const wchar_t c : text.str()) {
        if (!std::iswdigit(c))
            return -1;
    }
    bool whole = false;
    const int count = text.toInt(&whole);
    return whole ? count : -1;
}

MacroPatternProps MacroPatternProps::withoutIds() const {
    MacroPatternProps copy = *this;
    copy.valuesId = 0;
    copy.countId = 0;
    copy.buttonId = 0;
    return copy;
}
