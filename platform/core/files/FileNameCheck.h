#pragma once

#include "platform/core/text/Vdn_String.h"

namespace core {

// Why a file name (one component, without folder) cannot be used on Windows, in plain words;
// empty when it can: an empty name, a character Windows refuses (< > : " / \ | ? * or a
// control character), a reserved device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, also
// with an extension), a name ending in a dot or a space, or more than 255 characters.
Vdn_String invalidFileNameReason(const Vdn_String& name);

} // namespace core
