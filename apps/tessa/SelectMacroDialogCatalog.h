#pragma once
// The macro chooser, the string-table editor and the cladding and bracing dialogs in the
// dialog catalog.

#include "apps/tessa/DialogCatalog.h"

#include <vector>

namespace app {

std::vector<DialogEntry> selectMacroDialogs();

} // namespace app
