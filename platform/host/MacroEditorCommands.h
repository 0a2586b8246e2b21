#pragma once

#include "platform/core/model/EditConstrData.h"

// The macro editor's callbacks that hand control to the drawing: the user picks there (the
// current ui::User answers). Each returns true on success and then refreshes the record's
// lists (fillEditConstrData); false, changing nothing, when the user cancels or the model
// refuses (Vdn_Drawing::lastMessage() says why).

// The user picks another macro of the drawing; the record then edits its first module.
bool SelectOtherMacro(EditConstrData* ctx);
// The macro commands by code: 0 to 9 add a constraint of that type (ConstraintType) between
// geometries the user picks (one for a radius, two otherwise); 11 adds a module and makes it
// the current one; 12 adds a bolt pattern to the current bolt module; 13 adds a coordinate
// system, a geometry on a plane the user picks. Other codes do nothing and give false.
bool StartMacroCommand(EditConstrData* ctx, int code);
// Zooms the view to a window of two corners the user picks.
bool ZoomCommand();
