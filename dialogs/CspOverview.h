#pragma once

#include "platform/core/model/DlgCSP2Data.h"

#include <chrono>

// The overview report of a cutting-stock set: a line of dashes; the newest stock (".shp") and
// purchase (".buy") files of the folder with their times; the set's cutting plan made by the
// optimiser (bars, the fewest any plan could use, the lengths needed, the waste and each run
// of equal bars), or why there is none; a closing line of dashes.
Vdn_StringArray cspOverview(const DlgCSP2Data& data, int setId, const Vdn_String& folder);

// A file time as the report shows it: "08 December, 2026 (20:15)", in local time.
Vdn_String cspFileTime(std::chrono::system_clock::time_point time);
