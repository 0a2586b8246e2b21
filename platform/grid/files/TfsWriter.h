#pragma once

#include "platform/grid/sheet/SheetModel.h"

#include <string>

namespace grid {

// Writes a sheet as .tfs text (UTF-8); docs/tfs-format.md describes the format.
class TfsWriter {
public:
    static constexpr int kVersion = 1;

    // dataOnly keeps the size, contents, tags and notes, leaving out formats, layout, options
    // and the editing state.
    static std::string write(const SheetModel& model, bool dataOnly);
};

} // namespace grid
