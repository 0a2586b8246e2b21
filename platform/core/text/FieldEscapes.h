#pragma once

#include "platform/core/text/Vdn_String.h"

#include <optional>

namespace core {

// Escapes for one field of a tab-separated line: '\' is written as "\\", tab as "\t", LF as
// "\n" and CR as "\r", so that any text fits between two tabs on one line.
Vdn_String escapeField(const Vdn_String& text);
// The text of an escaped field; nullopt for an unknown escape or a backslash at the end.
std::optional<Vdn_String> unescapeField(const Vdn_String& field);

} // namespace core
