#pragma once
// Dialog-size persistence of the core module: a dialog's window size (pixels, frame included)
// is stored per user under a string key, in the registry at
//     HKEY_CURRENT_USER\Software\Tessaform\Dialogs\<key>
// as the REG_DWORD values "Width" and "Height". Dialogs restore it when they open
// (ChangeDlgSize) and store it when they are destroyed (WriteDlgSize).
//
// A stored size counts only when both values exist and lie in 1..32767 (the range of a Win32
// window); anything else reads as nothing stored.

#include "platform/core/text/Vdn_String.h"

class CWnd;

// The stored size under key; false (width and height unchanged) when none is stored.
bool getDlgSize(const Vdn_String& key, int& width, int& height);

// The stored size under key, or the defaults when none is stored.
void getSafeDlgSize(const Vdn_String& key, int& width, int& height, int defaultWidth = 500,
                    int defaultHeight = 400);

// Gives dialog the size stored under key. The top-left corner stays where it is, or with
// keepCentre the centre does. False (dialog unchanged) when no size is stored or the dialog
// is not created.
bool ChangeDlgSize(CWnd* dialog, const Vdn_String& key, bool keepCentre = false);

// Stores the dialog's present window size under key. False when the dialog is not created,
// has no size, or the registry refuses the write (then the stored size is as it was).
bool WriteDlgSize(CWnd* dialog, const Vdn_String& key);
