#pragma once

#include "platform/core/model/AcDbObjectId.h"

#include <optional>
#include <string>

namespace app {

// Writes the drawing's macro to the output a command was given (--out), by the rules of every
// output (app::OutputFile); the reason when it was not written. Nothing happens for an empty
// name: the option was not given.
std::optional<std::string> writeMacroOutput(AcDbObjectId id, const std::string& out);

} // namespace app
