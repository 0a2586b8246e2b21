#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"

#include <array>
#include <optional>

// A cut of a module. A cut has nine offset slots, one per offset type (0 cut offset, 1 poly,
// 2 length, 3 center, 4 inside, 5 outside, 6 chamfer 1, 7 chamfer 2, 8 radius); a slot that
// the cut's type does not allow holds no value (nullopt). Offsets are numbers kept as text.
class Vdn_CutConstraint {
public:
    static constexpr int kOffsetTypeCount = 9;
    // The parameter name of each offset type, as the cut dialog lists a cut's parameters
    // ("Offset", "PolyOffset", ..., "Offset1", "Offset2", "Radius").
    static const Vdn_String& offsetName(int offsetType);
    // The offset type of a parameter name (without regard to case), or -1.
    static int offsetTypeOf(const Vdn_String& parameterName);

    Vdn_String name;
    int type = 0;
    std::array<std::optional<Vdn_String>, kOffsetTypeCount> offsets;
    Vdn_String description;
    int state = 0; // the cut's state: 0 to 3, as the cut-state combo lists them
    int side = 0;
    Vdn_String cutter;  // the module or member that cuts
    Vdn_String profile; // the profile that is cut
    // The offsets the macro dialog shows as values of their own.
    std::array<bool, kOffsetTypeCount> inDialog{};
    // Profile against plate: whether the ends of the flanges and of the web are prepared for
    // the weld to the plate.
    bool bevelFlanges = false;
    bool bevelWeb = false;
    // The type's own option: a profile against a plate is lengthened up to the plate; a
    // profile in a profile gets a clearance around the inner one.
    bool option = false;
    core::JsonExtras extras;

    // The offset types the cut's type allows, ascending. Always eOk.
    Acad::ErrorStatus getCutOffsets(Vdn_Array<int>& offsetTypes) const;
    // Reads (set false) the offset of offsetType into value, or writes (set true) value into
    // it. eOutOfRange for an offset type outside 0..8; eNotApplicable when the cut's type has
    // no such offset; eInvalidInput when the text to write is not a number (see isNumber).
    // Nothing changes on failure.
    Acad::ErrorStatus getSetCutValue(int offsetType, Vdn_String& value, bool set);

    friend bool operator==(const Vdn_CutConstraint&, const Vdn_CutConstraint&) = default;
};
