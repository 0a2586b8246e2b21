#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_String.h"

class Vdn_DbMacro;

namespace ss {

// The values that belong to a macro as a whole rather than to one of its modules: its general
// variables and its base profiles. Every operation gives eOk or eInvalidInput and changes
// nothing on failure.
class MacroValueAccess {
public:
    // The general variable's value as a number with the given decimals ("10.0000").
    static Acad::ErrorStatus readGeneralVariable(Vdn_DbMacro& macro, const Vdn_String& name,
                                                 int decimals, Vdn_String& value);
    // Sets the general variable to the number that text reads as (its leading number, 0 when
    // there is none), stored in the shortest form that reads back as that number.
    static Acad::ErrorStatus writeGeneralVariable(Vdn_DbMacro& macro, const Vdn_String& name,
                                                  const Vdn_String& text);
    // A read-only base-profile value: kind 12 the section name and kind 13 the material of the
    // base profile named "Prof" + index; kind 15 the section-table value of column j of that
    // profile's section, named "Prof" + index + ";" + j.
    static Acad::ErrorStatus readBaseProfile(const Vdn_DbMacro& macro, int kind,
                                             const Vdn_String& name, Vdn_String& value);
};

} // namespace ss
