#pragma once

#include "platform/core/text/Vdn_String.h"

// One entry of a dynMenu: its text and its kind.
struct dynMenuEntry {
    enum Kind {
        kPlain = 1,
        kChecked = 2,
        kRadio = 3, // item with a radio-button check
        kGreyed = 4,
        kSeparator = 5,
        kSubmenu = 6, // opens a submenu one level deeper, titled with the text
        kSkipped = 7, // consumes a command id and adds nothing
    };

    Vdn_String text;
    int kind = kPlain; // any other value counts as a plain item

    friend bool operator==(const dynMenuEntry&, const dynMenuEntry&) = default;
};
