#pragma once

#include "platform/core/model/MacroProfData.h"
#include "platform/core/text/Vdn_String.h"

// The picks in the drawing of the advanced profile settings, answered by the current
// ui::User. Each returns false, changing nothing, when the user cancels.

// The user picks a point of the section, in the section's own coordinates (origin at its
// centre, y up); the offset type becomes the grid point in that direction from the centre
// (the centre itself for a point at the centre).
bool UserChooseSectionPoint(MacroProfData& data);
// The user picks a plane; the base plane becomes "x,y,z;nx,ny,nz" (origin and normal).
bool UserSelectPlane(MacroProfData& data);
// The user picks the plane of a new coordinate system, which the drawing keeps under the
// first free name "UCS1", "UCS2", ...; name is that name.
bool selectCoordSys(Vdn_String& name);
