#pragma once

#include "platform/grid/sheet/Result.h"
#include "platform/grid/sheet/SheetModel.h"

#include <string_view>

namespace grid {

// Reads .tfs text (UTF-8) into a fresh sheet model. Anything damaged (a bad record, a cell
// outside the size, a formula that does not parse, a missing "end") fails with the reason and
// its line; model is only written on success.
class TfsReader {
public:
    static Result read(std::string_view bytes, SheetModel& model);
};

} // namespace grid
