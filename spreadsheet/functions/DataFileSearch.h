#pragma once

#include "platform/core/text/Vdn_String.h"

#include <filesystem>
#include <optional>

namespace ss {

// A data file that a sheet names: the candidate name that exists, and the file it denotes.
struct DataFile {
    Vdn_String name;
    std::filesystem::path path;
};

// The data file (look-up table or size list) that a sheet names: the first existing of the
// name as given, library folder + "Connection Standards\Data\" + name, library folder +
// "Connection Standards\" + name and library folder + name; nullopt when none exists.
std::optional<DataFile> locateDataFile(const Vdn_String& name);

// The name of the data file that locateDataFile finds.
std::optional<Vdn_String> findDataFile(const Vdn_String& name);

} // namespace ss
