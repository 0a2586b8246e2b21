#pragma once

#include "platform/grid/values/Value.h"

#include <string>

namespace grid {

// How values read in arithmetic, text and comparison contexts.
class ValueConversion {
public:
    // Arithmetic: empty is 0, booleans 1 and 0, text that reads as a number as a user types it
    // converts ("3" is 3, "1,234.5", "45%" and "06:30" too: NumberText::parseTyped); other text
    // gives #VALUE!, and an error stays itself. On failure `error` is set.
    static bool toNumber(const Value& value, double& number, ErrorCode& error);
    // Text: numbers in their general form, TRUE and FALSE, empty as "". An error gives its
    // text; callers deal with errors first.
    static std::wstring toText(const Value& value);
    // <0, 0, >0 in the order of comparisons: numbers before texts before booleans; texts
    // ignore case; numbers equal within the last bits; an empty side reads as 0, "" or FALSE
    // to match the other side. Neither side may be an error.
    static int compare(const Value& a, const Value& b);
};

} // namespace grid
