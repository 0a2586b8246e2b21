#pragma once

#include "platform/core/text/Vdn_StringArray.h"

class MacroData;

// The bolt assemblies of the library and their diameters, from "<libDir>bolts.txt": one line
// per assembly, "assembly<TAB>diameter;diameter;..." (UTF-8; "#" starts a comment line). The
// catalogue is read at each call, so an edited file counts at once; a missing file gives empty
// lists.

// Every assembly, in file order.
Vdn_StringArray GetAssemblies();
// The diameters of the assembly (compared without regard to case); empty for an unknown one.
Vdn_StringArray GetDiameters(const Vdn_String& assembly);
// The diameters every bolt module of the tab can take: those of the modules' assemblies
// that all of them share, in the order of the first; over every macro of the record that the
// current drawing holds. Modules without an assembly do not restrict the list; when no module
// has one, every diameter of the catalogue, each once.
Vdn_StringArray GetMergedDiameters(const MacroData& data, const Vdn_String& tabName);
