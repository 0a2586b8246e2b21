#pragma once

#include "platform/grid/functions/FunctionValue.h"

#include <span>

// The callbacks of the custom spreadsheet functions, one per function, with the control's
// custom-function signature. Each reads its arguments by the rules of FunctionArguments.h,
// fills result and returns false when the arguments do not fit (result then stays empty).
// They see only their arguments and global state (settings, section tables, files).
namespace ss {

using Args = std::span<const grid::FunctionValue>;

// ROUNDTO(value, step): ObjectExportRoundTo.
bool callRoundTo(grid::FunctionValue& result, Args args);
// GETCELL(file, key part 1 [, ... key part 6]): the answer of the table row with that key.
bool callGetCell(grid::FunctionValue& result, Args args);
// GETPROFCELL(file, key part 1 [, ...]): as GETCELL, the table's keys read as profile names.
bool callGetProfCell(grid::FunctionValue& result, Args args);
// SECTIONSIZE(profile, position from 1): one value of the profile's section table.
bool callSectionSize(grid::FunctionValue& result, Args args);
// GETSYSNAME(profile): the profile's system name, or the name itself.
bool callGetSysName(grid::FunctionValue& result, Args args);
// STDWIDTHWITHTOLERANCE(size list, step, thickness, value, down, up).
bool callStdWidthWithTolerance(grid::FunctionValue& result, Args args);
// STDTHICKNESSWITHTOLERANCE(size list, step, value, down, up).
bool callStdThicknessWithTolerance(grid::FunctionValue& result, Args args);
// STDSIZEWITHTOLERANCE(size list, step, value, down, up).
bool callStdSizeWithTolerance(grid::FunctionValue& result, Args args);
// GETARRAYITEM(list, position from 1): an item of a ';'-separated list, empty outside it.
bool callGetArrayItem(grid::FunctionValue& result, Args args);
// TONUMBER(text): the leading number of a text (0 when there is none).
bool callToNumber(grid::FunctionValue& result, Args args);
// ISNULL(x): 1 for an empty argument, an empty text or the number 0, else 0.
bool callIsNull(grid::FunctionValue& result, Args args);
// ISPOSITIVE(x): 1 for a number above 0 or a text whose leading number is above 0, else 0.
bool callIsPositive(grid::FunctionValue& result, Args args);

} // namespace ss
