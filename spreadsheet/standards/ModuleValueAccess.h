#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_String.h"

class MacroData;
class MacroTabData;
class Vdn_DbMacro;
class Vdn_Module;

namespace ss {

// Reads or writes one value of one module of a macro, as a mapping entry or a sheet
// variable's naming convention addresses it. The module is opened in the macro; the module's
// tab (its group, or its own name without group) must exist in the macro record, because the
// bolt data, the profile groups and the flex/fix buttons are read and changed there.
//
// Every operation gives eOk or eInvalidInput; on failure nothing changes (except where noted).
// `value` is read into (set false) or written from (set true).
class ModuleValueAccess {
public:
    ModuleValueAccess(Vdn_DbMacro& macro, MacroData* macroData, const Vdn_String& moduleName);

    // Whether both the module and its tab were found.
    bool isOpen() const { return module_ != nullptr && tab_ != nullptr; }
    Vdn_Module& module() { return *module_; }

    // The value of a mapping kind. Kinds without a module-level value (0, 2, 12, 13, 15) fail.
    Acad::ErrorStatus access(int kind, const Vdn_String& name, Vdn_String& value, bool set);

    // A constraint variable as text. Before a write, a variable whose flex/fix buttons in the
    // tab are not all fixed gets them fixed, so that the written value holds (the buttons stay
    // fixed when the write itself then fails).
    Acad::ErrorStatus constraintVariable(const Vdn_String& name, Vdn_String& value, bool set);
    // Offset type 0 to 8 of the named cut; a read value has 7 decimals.
    Acad::ErrorStatus cutOffset(const Vdn_String& cutName, int offsetType, Vdn_String& value,
                                bool set);
    // The diameter or the hole offset of the tab's bolt data, as text unchanged.
    Acad::ErrorStatus boltData(bool diameter, Vdn_String& value, bool set);
    // The number of bolts of direction 1 or 2 of a pattern of a bolt module.
    Acad::ErrorStatus nrBolts(const Vdn_String& patternName, int direction, Vdn_String& value,
                              bool set);
    // The reverse-start flag of direction 1 or 2 of a pattern of a bolt module: "1" when set,
    // "0" when cleared; writing "1" sets it and any other text clears it.
    Acad::ErrorStatus reverseStart(const Vdn_String& patternName, int direction, Vdn_String& value,
                                   bool set);
    // The member name of the tab's profile group.
    Acad::ErrorStatus memberName(const Vdn_String& group, Vdn_String& value, bool set);

private:
    Vdn_Module* module_ = nullptr;
    MacroTabData* tab_ = nullptr;
};

} // namespace ss
