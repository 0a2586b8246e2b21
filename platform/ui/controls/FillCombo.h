#pragma once

#include "platform/core/text/Vdn_StringArray.h"

class CComboBox;

// The core module's way of filling a combo box: its items are replaced by items, in order, and
// the item equal to selected (in any case, as FindStringExact compares) becomes the selection.
// When selected is empty or not among the items nothing is selected. Setting the items sends
// no notification, so a dialog filling its combos reacts to none of it. Returns the index
// selected, or -1. A null combo is left alone (a template without the control).
int FillCombo(CComboBox* combo, const Vdn_StringArray& items, const Vdn_String& selected = {});

// Selects the item equal to text (in any case), adding text to the end of the list first when
// the list lacks it, so a value the list no longer offers is still shown and kept. An empty text
// the list lacks clears the selection. Returns the index selected, or -1; a null combo is left
// alone.
int selectAddingItem(CComboBox* combo, const Vdn_String& text);
