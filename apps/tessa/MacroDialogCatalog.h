#pragma once
// The macro dialog in the dialog catalog, opened on the example library's plate splice
// (macros\PlateSplice.json): one page drawn from a design, with bolts, and the profiles.

#include "apps/tessa/DialogCatalog.h"

#include <vector>

namespace app {

std::vector<DialogEntry> macroDialogs();

} // namespace app
