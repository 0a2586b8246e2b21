#pragma once

#include "platform/core/text/Vdn_StringArray.h"

#include <optional>

// A general variable's filter: paths joined with ';', each relative to the library's "Macros\"
// folder. Paths are compared as Windows compares them: '\' and '/' alike, case ignored.
namespace genvars {

// The part of path after folder, written with '\', when path lies inside folder; nullopt when
// it does not (or names the folder itself). The texts are compared first; paths that exist are
// also compared as the file system resolves them, so that a folder reached through a link or
// spelled with "..\" still counts as the same folder.
std::optional<Vdn_String> pathBelowFolder(const Vdn_String& path, const Vdn_String& folder);

// The filter with the paths appended, joined with ';'. A path that is empty, holds ';' (it
// would split into two) or is in the list already is skipped.
Vdn_String appendFilterPaths(const Vdn_String& filter, const Vdn_StringArray& paths);

} // namespace genvars
