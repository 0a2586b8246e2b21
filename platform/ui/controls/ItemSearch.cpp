#include "platform/ui/controls/ItemSearch.h"

#include "platform/core/text/CharCase.h"

namespace ui {

int ItemSearch::find(int count, const TextAt& textAt, int startAfter, const std::wstring& text,
                     bool exact) {
    if (count <= 0) {
        return -1;
    }
    const int start = (startAfter < 0 || startAfter >= count) ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (start + step) % count;
        const std::wstring& item = textAt(index);
        const bool match =
            exact ? core::equalNoCase(item, text)
                  : item.size() >= text.size() &&
                        core::equalNoCase(std::wstring_view(item).substr(0, text.size()), text);
        if (match) {
            return index;
        }
    }
    return -1;
}

int ItemSearch::sortedPosition(int count, const TextAt& textAt, const std::wstring& text) {
    int position = 0;
    while (position < count && core::compareNoCase(textAt(position), text) <= 0) {
        ++position;
    }
    return position;
}

} // namespace ui
