#pragma once

#include "apps/tessa/DialogCatalog.h"

#include <vector>

namespace app {

// The macro settings dialog, and the dialog opened at each of its other pages.
std::vector<DialogEntry> macroSettingsDialogs();

} // namespace app
