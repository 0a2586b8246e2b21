#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"

// One segment of a segmented profile: a named stretch of the profile with its own length, a
// flag and a list of value pairs (a number and a value, both kept as the user typed them).
struct MacroProfSegment {
    struct ValuePair {
        Vdn_String number;
        Vdn_String value;
        core::JsonExtras extras; // keys of the macro file this record does not know
        friend bool operator==(const ValuePair&, const ValuePair&) = default;
    };

    Vdn_String name;
    Vdn_String secondText; // shown after the name in the segment list
    double length = 0.0;
    bool flag = false;
    Vdn_Array<ValuePair> values;
    core::JsonExtras extras;

    friend bool operator==(const MacroProfSegment&, const MacroProfSegment&) = default;
};
