#pragma once

#include "platform/core/Vdn_String.h"

// The core module's record of one parametric macro, as far as the module frame reads it: the
// macro's name and the two marks the core module sets. A value type copied by assignment.
class MacroData {
public:
    MacroData() = default;
    MacroData(const MacroData&) = default;
    MacroData& operator=(const MacroData&) = default;
    virtual ~MacroData() = default;

    friend bool operator==(const MacroData&, const MacroData&) = default;

    Vdn_String name;
    // Set while the core module is working on the macro; a modeless dialog holding it is then
    // not closed at once.
    bool busy = false;
    // Set when the macro's objects are to be erased once its dialog closes.
    bool eraseOnClose = false;
};
