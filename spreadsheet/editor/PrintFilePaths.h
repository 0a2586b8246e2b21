#pragma once

#include "platform/core/text/Vdn_String.h"

// Where print settings and their header and footer pictures are found. Names are Windows-style
// ('\' separated); existence goes through the core's path boundary.
namespace ss {

// The folder of print-settings files: the product folder (gSettings.vdnDir()) with every '/'
// turned into '\' and a trailing '\' added.
Vdn_String printSettingsFolder();

// The folder above folder, with its trailing '\' ("c:\a\b\" -> "c:\a\"); a root ("c:\", "\")
// stays as it is and a single relative folder ("lib\") gives the empty text.
Vdn_String parentFolder(const Vdn_String& folder);

// The file part of a path ("c:\a\logo.bmp" -> "logo.bmp").
Vdn_String fileNameOf(const Vdn_String& path);

// A stored header or footer file name resolved for use:
//  1. a name holding ':' or "\\" (absolute or a network path) is used as it is;
//  2. the first "..\" is taken out of the name and the look-up goes one folder up;
//  3. base folder (or its parent) + name, when that file exists;
//  4. the settings folder (or its parent) + name, when that file exists;
//  5. otherwise the name as it was.
Vdn_String resolvePrintFile(const Vdn_String& name, const Vdn_String& baseFolder);

// The form in which a header or footer file name is stored: without the base folder when it
// starts with it, else without the settings folder when it starts with that, else as given.
// Folders compare without regard to case and to the kind of separator.
Vdn_String storedPrintFile(const Vdn_String& name, const Vdn_String& baseFolder);

} // namespace ss
