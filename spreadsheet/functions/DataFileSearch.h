#pragma once

#include "platform/core/Vdn_String.h"

#include <optional>

namespace ss {

// The data file (look-up table or size list) that a sheet names: the first existing of the
// name as given, library folder + "Connection Standards\Data\" + name, library folder +
// "Connection Standards\" + name and library folder + name; nullopt when none exists.
std::optional<Vdn_String> findDataFile(const Vdn_String& name);

} // namespace ss
