#pragma once

#include "platform/core/text/Vdn_StringArray.h"

#include <array>

// The offset types of a profile placement: the point of the section that lies on the
// placement's line. Types 0 to 12, as the offset-type lists show them (index = type); nine of
// them are the points of a 3 x 3 grid over the section's outline, numbered 1 to 9 row by row
// from the top left.
namespace core {

inline constexpr int kOffsetTypeCount = 13;
// The type of each grid point, grid point n at position n - 1.
inline constexpr std::array<int, 9> kGridOffsetTypes = {9, 5, 10, 7, 3, 8, 11, 6, 12};

// The grid point (1 to 9) of a type, or 0 for a type that is no grid point.
int gridPointOfOffsetType(int offsetType);
// The type of a grid point, or -1 for a number outside 1 to 9.
int offsetTypeOfGridPoint(int gridPoint);

} // namespace core

// The names of the offset types in the work language, type 0 first.
Vdn_StringArray getOffsetTypeStrings();
// The list index that shows a placement's type; the undetermined item (kOffsetTypeCount) for
// -1 or a type outside the list.
int getDlgOffsetType(int offsetType);
// The type a list index stands for, or -1 when it stands for none (the undetermined item).
int getProfOffsetType(int index);
