#pragma once

#include "platform/grid/formula/ReferenceStyle.h"
#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/sheet/CellRef.h"
#include "platform/grid/sheet/CellStore.h"
#include "platform/grid/sheet/SheetLayout.h"
#include "platform/grid/sheet/SheetOption.h"
#include "platform/grid/sheet/SpanList.h"

#include <bitset>
#include <cstdint>
#include <optional>

namespace grid {

// Everything a sheet holds that a file keeps, plus the editing state. Readers build one and
// the sheet takes it over whole, so a damaged file never leaves a sheet half loaded.
struct SheetModel {
    static constexpr int kDefaultGridType = 0;
    static constexpr std::uint32_t kDefaultGridColour = 0xC0C0C0;

    int maxCols = 0;
    int maxRows = 0;
    CellStore cells;
    SpanList spans;
    SheetLayout layout;
    std::bitset<SheetOption::kOptionCount> options = SheetOption::defaults();
    ReferenceStyle referenceStyle = ReferenceStyle::Default;
    // How the lines between cells are drawn and printed (the control's own codes) and their
    // colour as a Windows colour value.
    int gridType = kDefaultGridType;
    std::uint32_t gridColour = kDefaultGridColour;
    std::optional<CellRef> activeCell;
    std::optional<CellRange> selection;
    bool editMode = false;
    int editSelectionStart = 0;
    int editSelectionLength = 0;
};

} // namespace grid
