#pragma once
// Per-user dialog options of the core module: a flag stored under a dialog's key beside its
// size (HKEY_CURRENT_USER\Software\Tessaform\Dialogs\<key>, REG_DWORD <entry>, 0 or 1).

#include "platform/core/text/Vdn_String.h"

// The stored flag, or fallback when none is stored.
bool readDlgRegBool(const Vdn_String& key, const Vdn_String& entry, bool fallback = false);
// False when the registry refuses the write.
bool writeDlgRegBool(const Vdn_String& key, const Vdn_String& entry, bool value);
