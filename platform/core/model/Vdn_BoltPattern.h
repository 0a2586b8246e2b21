#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <array>
#include <vector>

// A bolt pattern of a bolt module. A pattern runs in one or two directions, numbered from 1;
// per direction it holds the number of bolts (text, kept as given, as it may be a list such
// as "2*80") and whether it starts from the other end, and the settings of the pattern dialog
// (Direction). The values and count texts are what the macro page shows for the pattern.
class Vdn_BoltPattern {
public:
    static constexpr int kSpacingKinds = 3;
    static constexpr int kAlternationFlags = 3;

    // How one direction spaces its bolts: the spacing kind (0 to 2), whether the edge distance
    // is fixed and its value, and the list of distances.
    struct Direction {
        int spacing = 0;
        bool edgeFixed = false;
        Vdn_String edgeDistance;
        Vdn_StringArray distances;
        friend bool operator==(const Direction&, const Direction&) = default;
    };

    Vdn_String name;
    int typeCode = 0;
    Vdn_StringArray nrBolts;        // one entry per direction
    std::vector<bool> reverseStart; // as many entries as nrBolts
    Vdn_String values;
    Vdn_String count;
    bool button = true;                // the macro page offers the pattern dialog for it
    std::vector<Direction> directions; // at most as many entries as nrBolts; missing: default
    bool mirrored = false;
    std::array<bool, kAlternationFlags> alternation{};
    core::JsonExtras extras;

    // The settings of direction 0 or 1 (default ones when the pattern keeps none).
    Direction direction(int index) const {
        return index >= 0 && static_cast<std::size_t>(index) < directions.size()
                   ? directions[static_cast<std::size_t>(index)]
                   : Direction{};
    }

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
