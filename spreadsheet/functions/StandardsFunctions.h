#pragma once

#include "spreadsheet/functions/StandardsFunction.h"

#include <span>

namespace grid {
class Sheet;
}

namespace ss {

// The twelve engineering functions that standards sheets add to the formula language, in
// registration order: ROUNDTO, GETCELL, GETPROFCELL, SECTIONSIZE, GETSYSNAME,
// STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE, STDSIZEWITHTOLERANCE, GETARRAYITEM,
// TONUMBER, ISNULL, ISPOSITIVE.
std::span<const StandardsFunction> standardsFunctions();

// Registers every function of the table on the sheet (cell arguments as values); false when
// the sheet refuses one of them.
bool addStandardsFunctions(grid::Sheet& sheet);

} // namespace ss
