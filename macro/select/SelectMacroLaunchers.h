#pragma once
// The launchers of the macro chooser. The library folders are searched for macro drawings
// (enabledFolders[i] false leaves folder i out), down to depth levels of sub-folders (0: the
// folder only; below 0: all), the filter rows showing at most propertyLimit properties (below
// 0: all). altConfirm in says whether the alternative use is offered. On a confirmed choice
// the result is true, chosenName the chosen drawing and altConfirm whether the alternative
// use was chosen; otherwise both stay as they were.

#include "platform/core/model/AcArray.h"
#include "platform/core/text/Vdn_StringArray.h"

bool StartDlgSelectMacro(const Vdn_String& caption, const Vdn_StringArray& folders,
                         const AcArray<bool>& enabledFolders, int depth, int propertyLimit,
                         Vdn_String& chosenName, bool& altConfirm, bool compact);
// Every folder enabled.
bool StartDlgSelectMacro(const Vdn_String& caption, const Vdn_StringArray& folders, int depth,
                         int propertyLimit, Vdn_String& chosenName, bool& altConfirm, bool compact);
