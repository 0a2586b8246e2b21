#pragma once

#include "platform/core/model/MacroProfData.h"
#include "platform/core/text/Vdn_StringArray.h"

// The coordinate systems a profile placement can refer to, in the current drawing
// (Vdn_Drawing::current()).

// The names of the drawing's own coordinate systems and of those the placements of its
// macros name, each once (without regard to case), sorted.
Vdn_StringArray getAllCoordSys();
// Makes the coordinate system the data names one of the drawing's own, at the world origin;
// false when the data names none (empty or undetermined) or the drawing has it already.
bool createCoordSys(const MacroProfData& data);
