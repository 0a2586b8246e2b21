#pragma once
// The launchers of the section-library editors.

#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/sections/DlgEditLibData.h"

// The full editor on data, opened at the size name ("HEA-200") or, empty, on the groups. On OK
// data takes the edited groups, types and file lists.
bool StartDlgEditLibSections(DlgEditLibData& data, Vdn_String name);
// Adds one size to table, starting from the size name. On OK table holds the new size and
// index its position among the active sizes.
bool StartDlgEditLibSimple(Vdn_String name, Vdn_ProfValuesTable& table, int& index);
