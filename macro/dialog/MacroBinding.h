#pragma once

#include "designer/Vdn_ControlType.h"
#include "platform/core/text/Vdn_String.h"

// What one drawn control of a macro page's design stands for in the tab record: the element
// it shows and edits (a cell, pattern, array or cut by index; the bolt data or a profile group
// by part and name). A value record made by MacroDesignBinder.
struct MacroBinding {
    int id = 0;
    Vdn_ControlType type = ctLabel;
    int element = -1; // index of the cell, pattern, array or cut; -1 for none
    int part = 0;     // bolt-data text 0..4, array text 0..4 or array entry index
    Vdn_String group; // the profile group of types 13 to 17; the folder of a block combo
};
