#pragma once

#include "platform/core/text/Vdn_String.h"
#include "spreadsheet/standards/TfValueType.h"

#include <optional>

namespace ss {

// The kinds of macro value that a mapping entry addresses, with the keyword that names a kind
// in a mapping file and the value type of the sheet variables that can take it.
class MappingKinds {
public:
    enum Kind : int {
        kNone = 0, // no kind: an entry of this kind is invalid
        kDistance = 1,
        kGenVar = 2,
        kCutOffset = 3, // kinds 3 to 11 are cut offset types 0 to 8
        kCutPolyOffset = 4,
        kCutLengthOffset = 5,
        kCutCenterOffset = 6,
        kCutInsideOffset = 7,
        kCutOutsideOffset = 8,
        kCutChamferOffset1 = 9,
        kCutChamferOffset2 = 10,
        kCutRadius = 11,
        kPrPlName = 12,
        kPrPlMaterial = 13,
        kOwnedMemberName = 14,
        kMemberSectionSize = 15,
        kPatternNrBolts1 = 16,
        kPatternNrBolts2 = 17,
        kPatternReverseStart1 = 18,
        kPatternReverseStart2 = 19,
        kBoltsDiameter = 20,
        kBoltsHoleOffset = 21,
    };
    static constexpr int kLastKind = kBoltsHoleOffset;

    // Kinds 1 to 21.
    static bool isValid(int kind) { return kind >= kDistance && kind <= kLastKind; }
    static bool isCutOffset(int kind) { return kind >= kCutOffset && kind <= kCutRadius; }
    // The keyword of a valid kind ("Distance"); the empty text otherwise.
    static Vdn_String keyword(int kind);
    // The value type of a valid kind; none otherwise.
    static std::optional<TfValueType> valueType(int kind);
    // The kind whose keyword text starts with (without regard to case), tried in the order of
    // the file format: Distance, GenVar, the cut offsets, the pattern kinds, the profile kinds,
    // the bolt kinds. kNone when no keyword matches.
    static int fromText(const Vdn_String& text);
};

} // namespace ss
