#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"

namespace ss {

// The sizes of a size-list file, one entry per size line in both lists: the first value (a
// size or a width) and the second value (a thickness; 0 for a line with one value).
struct SizeList {
    Vdn_Array<double> firstValues;
    Vdn_Array<double> secondValues;
};

// Reads a size list found by findDataFile. Each line loses its "/*...*/" and "//" comments;
// what is left, when not empty, is "<width> x <thickness>" or a single size, each read as
// _wtof reads a number. A file that is missing or cannot be read gives empty lists: the
// callers then fall back to rounding. A file read before and unchanged since is taken from
// memory (ParsedFileCache).
SizeList readSizeList(const Vdn_String& name);

// Forgets the size lists kept in memory.
void clearSizeListCache();

} // namespace ss
