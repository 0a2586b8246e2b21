#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// The user designs of the macro pages: files "<name>.txt" below the designer root folder, a
// design's name being its path below the root without extension (sub-folders with '\').

// The library folder followed by "Dialog Templates\Dialog Design\".
Vdn_String getDesignerRootFolder();
// The names of every design below the root, searched recursively, sorted; empty when the
// folder does not exist.
void getModuleImages(Vdn_StringArray& names);
