#pragma once

#include <cstdint>

namespace grid {

// A cell's border: which sides (the control's type bits, 0 for none), the line style and the
// colour (kDefaultColour: the control's).
struct CellBorder {
    static constexpr std::uint32_t kDefaultColour = 0xFFFFFFFFu;

    int type = 0;
    int style = 0;
    std::uint32_t colour = kDefaultColour;

    friend bool operator==(const CellBorder&, const CellBorder&) = default;
};

} // namespace grid
