#pragma once

#include "apps/tessa/DialogCatalog.h"

#include <vector>

namespace app {

// The macro editor, on the example macro with constraints and equations.
std::vector<DialogEntry> macroEditorDialogs();

} // namespace app
