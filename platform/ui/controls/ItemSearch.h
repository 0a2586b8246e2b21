#pragma once
// ui::ItemSearch: the item search and sorted insertion shared by combo boxes and list boxes,
// with Win32's rules: case-insensitive; a search starts after `startAfter` (-1 or an index
// outside the list: from the first item), runs to the end and wraps around up to and
// including startAfter.

#include <functional>
#include <string>

namespace ui {

class ItemSearch {
public:
    using TextAt = std::function<const std::wstring&(int)>;

    // Index of the first match, -1 when none. exact: whole text; otherwise a prefix.
    static int find(int count, const TextAt& textAt, int startAfter, const std::wstring& text,
                    bool exact);
    // Where a sorted list takes `text`: after every item that sorts before or equal to it.
    static int sortedPosition(int count, const TextAt& textAt, const std::wstring& text);
};

} // namespace ui
