#pragma once

#include "apps/tessa/DialogCatalog.h"

#include <vector>

namespace app {

// The cut dialog and the profile-cuts dialog, on the example library's beam splice.
std::vector<DialogEntry> cutDialogs();

} // namespace app
