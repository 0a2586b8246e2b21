#pragma once
// The advanced and segmented profile dialogs in the dialog catalog, each opened on the
// stiffeners of the example library's beam splice (macros\BeamSplice.json, its "Profiles"
// tab), with every accepted change written into the macro as the profile page would.

#include "apps/tessa/DialogCatalog.h"

#include <vector>

namespace app {

std::vector<DialogEntry> profileDialogs();

} // namespace app
