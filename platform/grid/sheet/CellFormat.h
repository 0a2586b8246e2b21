#pragma once

#include "platform/grid/sheet/CellBorder.h"
#include "platform/grid/sheet/CellFont.h"
#include "platform/grid/sheet/CellType.h"

#include <cstdint>

namespace grid {

// How a cell shows and what it accepts. Colours are Windows colour values; kDefaultColour
// means the control's own colour.
struct CellFormat {
    static constexpr std::uint32_t kDefaultColour = 0xFFFFFFFFu;

    CellType type;
    bool locked = false;
    CellFont font;
    std::uint32_t background = kDefaultColour;
    std::uint32_t foreground = kDefaultColour;
    CellBorder border;

    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

} // namespace grid
