#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <vector>

// A bolt pattern of a bolt module. A pattern runs in one or two directions, numbered from 1;
// per direction it holds the number of bolts (text, kept as given, as it may be a list such
// as "2*80") and whether it starts from the other end.
class Vdn_BoltPattern {
public:
    Vdn_String name;
    int typeCode = 0;
    Vdn_StringArray nrBolts;        // one entry per direction
    std::vector<bool> reverseStart; // as many entries as nrBolts
    core::JsonExtras extras;

    int directionCount() const { return nrBolts.length(); }

    // Reads (set false) or writes (set true) the number of bolts of direction 1 or 2.
    // eOutOfRange for another direction; eNotApplicable when the pattern has no such
    // direction.
    Acad::ErrorStatus getSetNrBolts(int direction, Vdn_String& value, bool set);
    // Reads or writes the reverse-start flag of direction 1 or 2; failures as getSetNrBolts.
    Acad::ErrorStatus getSetBoltPatternReverses(int direction, bool& reverse, bool set);

    friend bool operator==(const Vdn_BoltPattern&, const Vdn_BoltPattern&) = default;

private:
    Acad::ErrorStatus checkDirection(int direction) const;
};
