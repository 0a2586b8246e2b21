#pragma once
// What a dialog's controls show, in the terms of the record the dialog edits.

#include "platform/core/text/Vdn_String.h"
#include "platform/ui/windows/WinTypes.h"

class CWnd;

// The text control id shows; empty when the template has no such control.
Vdn_String dlgItemString(const CWnd& dialog, int id);

// A three-state value of a record (1 on, 0 off, below 0 undetermined) as the state of a
// three-state check box, and back. A value above 1 shows as off.
UINT checkOfTriState(int value);
int triStateOfCheck(UINT check);
