#pragma once
// The macro dialog's sub-dialogs in the dialog catalog, each opened on the example library's
// bolted splice (macros\BoltedSplice.json), whose bolt tab has bolt settings, patterns and an
// array.

#include "apps/tessa/DialogCatalog.h"

#include <vector>

namespace app {

std::vector<DialogEntry> macroSubDialogs();

} // namespace app
