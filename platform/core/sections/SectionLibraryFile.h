#pragma once
// The section library's groups and types on disk: <libDir>prof\Library.json (the format is
// in docs/section-library.md). Reading refuses a damaged file as a whole.

#include "platform/core/sections/DlgEditLibData.h"

#include <string>
#include <string_view>

namespace core {

// prof\Library.json below the library folder.
Vdn_String sectionLibraryPath();
// Reads groups and types into data (its file lists are left alone). False, with data
// unchanged and problem saying why, for a file that cannot be read or is damaged.
bool readSectionLibrary(const Vdn_String& path, DlgEditLibData& data, Vdn_String& problem);
// The same from the file's text (UTF-8); problem then says why without a file name.
bool readSectionLibraryText(std::string_view utf8Json, DlgEditLibData& data, Vdn_String& problem);
// Writes the groups and types; false when the file cannot be written.
bool writeSectionLibrary(const Vdn_String& path, const DlgEditLibData& data);
// The file's text (UTF-8) for the groups and types.
std::string sectionLibraryText(const DlgEditLibData& data);

} // namespace core
