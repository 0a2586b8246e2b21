#pragma once

#include "platform/core/text/Vdn_StringArray.h"

namespace core {

// The files below folder (searched recursively) whose extension is extension (".tfs", without
// regard to case), each named by its path below the folder without the extension, sub-folders
// joined with '\' ("Childs\Weld"); sorted without regard to case. Empty when the folder does
// not exist.
Vdn_StringArray listFilesBelow(const Vdn_String& folder, const Vdn_String& extension);

} // namespace core
