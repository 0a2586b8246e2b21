#pragma once

#include "platform/core/text/Vdn_String.h"

#include <cstdint>

// A text of length characters drawn from "A"-"Z" and "0"-"9" (length < 0 gives the empty text),
// for names that must not collide with existing ones (the caller checks and draws again). The
// draws come from one generator of the program that starts from a fixed seed, so a run is
// repeatable; setRandomStringSeed starts it again from another.
Vdn_String generateRandomString(int length);
void setRandomStringSeed(std::uint32_t seed);
