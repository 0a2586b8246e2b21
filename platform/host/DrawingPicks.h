#pragma once

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/text/Vdn_String.h"

#include <array>

// Picks in the current drawing (Vdn_Drawing::current()), answered by the current ui::User: a
// test scripts them, a person answers them in the window. Each returns false, changing
// nothing, when the user cancels. Objects are offered by id with the macro's name.
namespace host {

using Point3d = std::array<double, 3>;

bool pickPoint(const Vdn_String& prompt, Point3d& point);
// A plane by a point on it and its normal.
bool pickPlane(const Vdn_String& prompt, Point3d& origin, Point3d& normal);
// A point of a section (the profile's outline), as a point.
bool pickSectionPoint(const Vdn_String& prompt, Point3d& point);
// One object of the drawing.
bool pickObject(const Vdn_String& prompt, AcDbObjectId& id);

} // namespace host

// The macro dialog's "select other macros": the user picks macros of the drawing (several may
// be picked); the record is then rebuilt for them (MacroData::objectIds and its tabs; the
// marks stay). True when the picked macros differ from the record's.
bool SelectOtherMacros(MacroData& data);
