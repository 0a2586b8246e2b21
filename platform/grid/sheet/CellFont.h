#pragma once

#include <string>

namespace grid {

// A cell's font; an empty face means the control's own font.
struct CellFont {
    std::wstring face;
    int height = 0;
    int weight = 400; // 700 is bold

    friend bool operator==(const CellFont&, const CellFont&) = default;
};

} // namespace grid
