#pragma once
// The name entry of the workshop dialogs: asks for a name with the string prompt (caption
// "Naam ingeven") and refuses one already among the taken names, compared without regard to
// case as the settings compare them, with the in-use message (information icon).

#include "platform/core/text/Vdn_StringArray.h"

class CWnd;

// True with the trimmed name in name when the user confirmed a name that is not taken; false
// when the user cancelled or the name was refused (nothing to change then).
bool askUniqueName(CWnd* parent, const Vdn_String& question, const Vdn_String& proposal,
                   const Vdn_StringArray& taken, Vdn_String& name);

// Asks "<first> "<name>" <second>" with Yes and No; true on Yes.
bool confirmRemoval(const Vdn_String& first, const Vdn_String& name, const Vdn_String& second);
