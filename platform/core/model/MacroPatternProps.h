#pragma once

#include "platform/core/text/Vdn_StringArray.h"

#include <array>

// One bolt pattern of a macro tab, as the macro page and the pattern dialog edit it: the
// values and count texts the page shows with their control ids (see MacroCell) and the id of
// its "..." button; per direction the spacing kind (0 to 2, -1 undetermined), the fixed-edge
// state (1, 0, -1), the edge distance and the number of bolts, the reverse-start flag and the
// distances; for the whole pattern the mirror option and three alternation flags (1, 0, -1).
// A value left undetermined (-1) changes nothing in the model when the record is written.
class MacroPatternProps {
public:
    static constexpr int kOneDirection = 1;
    static constexpr int kTwoDirections = 2;

    struct Direction {
        int kind = 0;
        int state = 0;
        Vdn_String firstText;  // the edge distance; used while state is 1
        Vdn_String secondText; // the number of bolts
        bool flag = false;     // starts from the other end
        Vdn_StringArray values;
        friend bool operator==(const Direction&, const Direction&) = default;
    };

    MacroPatternProps() = default;
    MacroPatternProps(const MacroPatternProps&) = default;
    MacroPatternProps& operator=(const MacroPatternProps&) = default;
    virtual ~MacroPatternProps() = default;

    friend bool operator==(const MacroPatternProps&, const MacroPatternProps&) = default;

    // The count text as a whole number of at least 0, or -1 when it is none (empty, a list,
    // a word): only a valid count gets a control of its own.
    int getCount() const;
    bool isOneDirection() const { return directionKind == kOneDirection; }
    // The record without the dialog's control ids, for comparing what the model holds.
    MacroPatternProps withoutIds() const;

    Vdn_String moduleName;
    Vdn_String name;
    Vdn_String valuesText;
    Vdn_String countText;
    bool hasButton = true;
    int valuesId = 0;
    int countId = 0;
    int buttonId = 0;
    int directionKind = kTwoDirections; // the number of directions of the pattern
    std::array<Direction, 2> directions;
    int option = 0;
    std::array<int, 3> alternation{};
};
