#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_String.h"
#include "spreadsheet/standards/TfValueType.h"

class Vdn_DbMacro;

namespace ss {

class ModuleValueAccess;

// Resolves a sheet variable in one module by its name alone, as a module-group mapping does
// (names compared without regard to case):
//  - "gen." + word (numeric): the macro's general variable "gen_" + word, read with 4 decimals;
//  - placement + ".Name" / ".Material" (text, reading only): the named profile placement's
//    section or material; when the module has no such placement the rules below are tried;
//  - cut + ".Cut", ".CutPoly", ".CutLength", ".CutCenter", ".CutInside", ".CutOutside",
//    ".Chamfer1", ".Chamfer2", ".CutRadius" (numeric): offset types 0 to 8 of the named cut;
//  - ".Diameter" / ".HoleOffset" (numeric): the tab's bolt data;
//  - pattern + ".NrBolts1" / ".NrBolts2": the pattern's number of bolts;
//  - pattern + ".ReverseStart1" / ".ReverseStart2" (numeric): its reverse-start flags;
//  - group + ".MemberName" (text): the profile group's member name;
//  - any other numeric name: the module's constraint variable of that name.
// Gives eOk or eInvalidInput.
class NameConventionAccess {
public:
    static Acad::ErrorStatus access(Vdn_DbMacro& macro, ModuleValueAccess& module,
                                    const Vdn_String& ssName, TfValueType type, Vdn_String& value,
                                    bool set);
};

} // namespace ss
