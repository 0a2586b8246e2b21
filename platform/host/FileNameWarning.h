#pragma once

#include "platform/core/text/Vdn_String.h"

// Checks a file name the user typed (one component, see core::invalidFileNameReason): true
// when it can be used; otherwise the user is told why in a message box with an exclamation
// icon, and the result is false.
bool warnInvalidFileName(const Vdn_String& name);
