#pragma once

#include "platform/core/text/Vdn_String.h"

// The messages with which the workshop settings refuse a change, in the work language
// (numbered texts of the string table).
namespace core {

// "Deze naam is reeds in gebruik. ..." (text 20300).
Vdn_String wsUiNameInUseText();
// "De 4 basisgroepen zijn beveiligd. ..." (text 20301).
Vdn_String wsUiBaseGroupsText();

} // namespace core
