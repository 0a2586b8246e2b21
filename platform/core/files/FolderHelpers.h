#pragma once

#include "platform/core/text/Vdn_String.h"

#include <chrono>
#include <optional>

// Folders and file times of the core module, through the path boundary (PathBoundary.h).
namespace core {

// Creates the folder and any missing parents; true when it exists afterwards.
bool createFolder(const Vdn_String& folder);

struct NewestFile {
    Vdn_String name; // the file's name, without folder
    std::chrono::system_clock::time_point written;
};

// The most recently written file matching pattern ("Cutting Stock\*.shp"); nullopt when none
// matches. Of files written at the same moment the first in name order counts.
std::optional<NewestFile> newestFile(const Vdn_String& pattern);

} // namespace core
