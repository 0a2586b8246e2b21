#pragma once
// The array dialog's launchers.

#include "macro/cycle/MacroSubDialogOwner.h"

// Runs the array dialog on array, for the macros with the given ids and the array's name; on
// OK the edited array is copied back and the result is true.
bool StartArrayDlg(DynArrayData& array, AcArray<AcDbObjectId> objectIds, Vdn_String name);

// The array dialog for the owner's array at index, whose result goes through the owner's
// update. False when there is no such array, on Cancel, or when the model refused it.
bool DlgMacroArray(MacroSubDialogOwner& owner, int arrayIndex);
