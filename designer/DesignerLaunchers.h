#pragma once
// The designer's exported entries that the core module calls.

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// The names of the variable edits of the design file `file` (a full path below the designer
// root folder), in the design's order; empty when the file cannot be read.
void GetImageDlgCtrlNames(const Vdn_String& file, Vdn_StringArray& names);
