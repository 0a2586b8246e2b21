#pragma once
// The core module's selection of several files: a file dialog with multiple selection, one
// file type (its extension and the name shown for it), a title and a starting folder.

#include "platform/core/text/Vdn_StringArray.h"

class CWnd;

// Shows the dialog for opening (or saving); true with the chosen paths as the dialog returns
// them, false when the user cancels (paths emptied). The starting folder is given as the core
// module keeps folders (Windows style); the dialog opens in the folder it names on disk.
bool DlgOpenMulti(bool forOpening, const Vdn_String& extension, const Vdn_String& filterName,
                  const Vdn_String& title, const Vdn_String& folder, Vdn_StringArray& paths,
                  CWnd* parent = nullptr);
