#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <optional>

// A constraint variable of a module: its value as text and how the macro dialog offers it.
struct Vdn_ConstraintVariable {
    Vdn_String name;
    Vdn_String value;
    bool shown = true;    // shown in the macro dialog
    bool settable = true; // the user (or a sheet) may set it
    // The variable's flex/fix button: none (nullopt), flexible (true: the macro computes the
    // value) or fixed (false: the value holds).
    std::optional<bool> flex;
    // The macro editor's kind of the variable (an index into its kind list, 0 to 7).
    int kind = 0;
    // How the macro dialog edits it: 1 number, 2 text, 3 pick list, 4 editable list, 5 check
    // box; the items of a list.
    int cellKind = 1;
    Vdn_String displayName; // empty: the name
    Vdn_StringArray items;
    // The range the clash check holds a numeric value to; empty for no bound.
    Vdn_String minimum;
    Vdn_String maximum;
    core::JsonExtras extras;

    bool hasFlexFixButton() const { return flex.has_value(); }

    friend bool operator==(const Vdn_ConstraintVariable&, const Vdn_ConstraintVariable&) = default;
};
