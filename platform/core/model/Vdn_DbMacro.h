#pragma once

#include "platform/core/model/MacroSettingsData.h"
#include "platform/core/model/Vdn_BaseProfile.h"
#include "platform/core/model/Vdn_GeneralVariable.h"
#include "platform/core/model/Vdn_MacroTab.h"
#include "platform/core/model/Vdn_Module.h"
#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <string>
#include <string_view>

class MacroData;
namespace core {
class MacroReadResult;
}

// A parametric connection macro: its general variables, the base profiles it is placed on and
// its modules. A value type, read from and written to a JSON macro file (docs/macro-file.md).
// Names are looked up without regard to case; within a list they are unique in that sense
// (the reader refuses a file where they are not, and code that builds a macro keeps them so).
//
// Operations returning Acad::ErrorStatus report eKeyNotFound for a name that is not there,
// eOutOfRange for an index outside its range, eNotApplicable for a record that does not fit
// the macro, and change nothing on failure.
class Vdn_DbMacro {
public:
    // Reads a macro from JSON text (UTF-8) or from a file (any encoding core::readTextFile
    // reads). A failure says what is wrong and where ("modules[1].cuts[0].offsets[3]: ...").
    static core::MacroReadResult readFromText(std::string_view utf8Json);
    static core::MacroReadResult readFromFile(const Vdn_String& path);
    // The macro as JSON text (UTF-8, indented, ending in a line end): every value as text,
    // unknown keys after the known ones, lists that are empty left out.
    std::string toJsonText() const;
    // Writes toJsonText() to the file (UTF-8, replacing it as a whole); false when it cannot
    // be written.
    bool writeToFile(const Vdn_String& path) const;

    // Names of all modules in order.
    Vdn_StringArray getModuleNames() const;
    // Names of the modules whose tab name (group, or own name without group) is group, in
    // order; eKeyNotFound when there is none.
    Acad::ErrorStatus getModNamesOfGroup(const Vdn_String& group, Vdn_StringArray& names) const;
    // The module with the given name. The pointer stays valid until modules are added to or
    // removed from the macro.
    Acad::ErrorStatus openModule(const Vdn_String& moduleName, Vdn_Module*& module);
    Acad::ErrorStatus openModule(const Vdn_String& moduleName, const Vdn_Module*& module) const;

    // Names and values of all general variables, in order. Always eOk.
    Acad::ErrorStatus getGeneralVariables(Vdn_StringArray& names, Vdn_StringArray& values) const;
    // Reads (set false) or writes (set true) the value of a general variable as text.
    Acad::ErrorStatus getSetGenVarValue(const Vdn_String& variable, Vdn_String& value, bool set);

    // The ids of the base profiles: a base profile's id is its position, from 0. Always eOk.
    Acad::ErrorStatus mapBaseProfIds(Vdn_Array<int>& ids) const;
    // The base profile with the given id; eOutOfRange when there is none.
    Acad::ErrorStatus getBaseProf(int id, const Vdn_BaseProfile*& profile) const;

    // Fills data's name and tabs from the macro (its marks stay as they are): one tab per
    // distinct tab name, in the order the modules first name it. A tab's kind is a bolt tab or
    // a profile tab after its first module; its bolt data merges the bolt modules' data; it
    // has one profile record per placement and one flex/fix group per module with buttons.
    // Always eOk.
    Acad::ErrorStatus getMacroData(MacroData& data) const;
    // Writes a record built by getMacroData, and changed since, back into the modules: bolt
    // data texts that differ from the modules' merged value, every placement's section,
    // material and member name, and every flex/fix state. eKeyNotFound when the record names
    // a tab, module, placement or button the macro does not have; eNotApplicable for bolt data
    // on a tab without bolt modules; then nothing changes.
    Acad::ErrorStatus setMacroData(const MacroData& data);

    friend bool operator==(const Vdn_DbMacro&, const Vdn_DbMacro&) = default;

    Vdn_String name;
    Vdn_String title;
    // The macro's object in the drawing it was saved from; 0 when it was never placed.
    unsigned long long objectId = 0;
    Vdn_Array<Vdn_MacroTab> tabs;
    MacroSettingsData settings;
    Vdn_Array<Vdn_GeneralVariable> generalVariables;
    Vdn_Array<Vdn_BaseProfile> baseProfiles;
    Vdn_Array<Vdn_Module> modules;
    core::JsonExtras extras;
};
