#pragma once
// The example library's macros as the dialog catalog opens them.

#include "platform/core/model/MacroData.h"

#include <optional>

namespace app {

// The macro file (relative to the library folder) opened in the current drawing, as the macro
// dialog would hold its record; nothing, with the reason on the command line, when it does not
// open.
std::optional<MacroData> exampleMacroRecord(const wchar_t* relativeFile);

} // namespace app
