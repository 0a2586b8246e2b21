#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_String.h"

#include <optional>

// Registry entries of the add-on's COM property module (type library, classes, interfaces)
// under HKEY_CLASSES_ROOT. The COM module is the file "TessaformOPM.dll" in the module's
// folder (frame::moduleDirectory()).

// Writes every key; eInvalidInput when the COM module file does not exist (nothing is then
// written) or when any key could not be written (every key is still attempted).
Acad::ErrorStatus SSregisterOpmCLSIDs();
// Deletes the type library's, every class's and every interface's key tree; eInvalidInput
// when any deletion failed (every deletion is still attempted).
Acad::ErrorStatus SScleanupComRegistry();
// Prints every class id as a C initialiser on the command line and writes "RegistryIDs.dat"
// into the module's folder; both best effort, always eOk.
Acad::ErrorStatus SSprintCLSIDs();

namespace frame {

// The path of the COM module file in the module's folder.
Vdn_String comModulePath();

// The brace initialiser of an id in registry form, e.g.
// "{0x2CE559DB,0x0008,0x4AA7,{0x8E,0x1D,0x7D,0xCE,0xBA,0xB7,0xD2,0xC4}}"; nullopt when the
// text does not split into five groups of 8, 4, 4, 4 and 12 hexadecimal digits.
std::optional<Vdn_String> clsidInitializer(const Vdn_String& id);

} // namespace frame
