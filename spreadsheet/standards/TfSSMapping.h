#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/host/AcArray.h"
#include "spreadsheet/standards/TfObjectMap.h"
#include "spreadsheet/standards/TfValueType.h"

class AcTransaction;
class TfDlgStandardsData;
class Vdn_DbMacro;

// The link between the variables of a standards sheet and the values of a parametric macro.
//
// Module-group mode: sheet variables are resolved by their names in every module of one
// module group (see ss::NameConventionAccess); no entries are needed.
// Mapping-list mode: an explicit list of entries, each pairing one sheet variable with one
// macro value, stored in the sheet's mapping file under a mapping name (see ss::MappingFile).
//
// Operations give eOk or eInvalidInput (or a bool); nothing is shown to the user.
class TfSSMapping {
public:
    enum Mode { kNotSetUp = 0, kModuleGroup = 1, kMappingList = 2 };

    TfSSMapping() = default;
    TfSSMapping(const TfSSMapping&) = default;
    TfSSMapping& operator=(const TfSSMapping&) = default;
    virtual ~TfSSMapping() = default;

    friend bool operator==(const TfSSMapping&, const TfSSMapping&) = default;

    int mode() const { return mode_; }
    const Vdn_Array<TfObjectMap>& mappedObjects() const { return entries_; }
    Vdn_Array<TfObjectMap>& mappedObjectsWrite() { return entries_; }

    // --- set-up --------------------------------------------------------------------------------
    // Mapping-list mode for the entire macro: needs data's drawing macro and an empty module
    // group; the entries become the mapping named data.macroName in the mapping file of the
    // sheet data.fileName (getMappingFromFile), so entries of an earlier set-up never remain.
    Acad::ErrorStatus initFromMacro(TfDlgStandardsData& data);
    // Module-group mode, without entries; fails for an empty group.
    Acad::ErrorStatus initFromModuleGroup(Vdn_String group);
    // Appends an entry for every mappable value of the macro (see TfSSMappingBuild.cpp);
    // fails only without a macro.
    Acad::ErrorStatus initAllVarsFromMacro(Vdn_DbMacro* macro, AcTransaction* transaction);

    // --- values --------------------------------------------------------------------------------
    // The macro value of the sheet variable ssName of the given type. Module-group mode: the
    // first module of the group that resolves the name gives it. Mapping-list mode: the entry
    // found by findSSVar gives it.
    Acad::ErrorStatus getMacroVarValue(const Vdn_String& ssName, const TfValueType& type,
                                       Vdn_String& value, TfDlgStandardsData& data);
    // Writes the value. Module-group mode: into every module of the group that resolves the
    // name, succeeding when one did. Mapping-list mode: through the entry found by findSSVar.
    Acad::ErrorStatus setMacroVarValue(const Vdn_String& ssName, const TfValueType& type,
                                       const Vdn_String& value, TfDlgStandardsData& data);

    // --- entries -------------------------------------------------------------------------------
    // The first entry for ssName (without regard to case) whose kind has exactly that type.
    Acad::ErrorStatus findSSVar(const Vdn_String& ssName, const TfValueType& type,
                                int& index) const;
    // The indexes of the entries a variable of the type can take: numeric kinds for a numeric
    // type, text kinds for a text type; invalid kinds never. The flag is not used. Always eOk.
    Acad::ErrorStatus getValidVars(const bool& unused, const TfValueType& type,
                                   AcArray<int>& indexes) const;
    // Regroups indexes by their entries' categories in the order of categoryOrder (a category
    // not in the list joins the last group): per group -1, then its indexes in their previous
    // order. Indexes of no entry are dropped. Fails, emptying indexes, for an empty order.
    Acad::ErrorStatus sortValidVars(AcArray<int>& indexes, const AcArray<int>& categoryOrder) const;
    // The first entry compatible with entry (TfObjectMap::isCompatible).
    Acad::ErrorStatus findCompatible(const TfObjectMap& entry, int& index) const;
    // count = the number of this mapping's entries that have no compatible entry in other.
    Acad::ErrorStatus isCompatible(const TfSSMapping& other, int& count) const;
    // Whether other maps every variable of this mapping (same name, same value type) to the
    // same macro value, and every entry here has a valid kind. Entries only other has do not
    // count.
    bool isEqual(const TfSSMapping& other) const;

    // --- mapping files (TfSSMappingFile.cpp) -----------------------------------------------------
    // Reads the mapping named mappingName (compared with case) from the sheet's mapping file.
    // Fails when the file cannot be read or has no such mapping; a file without lines leaves
    // the entries as they are.
    Acad::ErrorStatus getMappingFromFile(Vdn_String sheetName, const Vdn_String& mappingName);
    // Stores the entries under mappingName in the sheet's mapping file, replacing a mapping of
    // that name; a file that already holds an equal mapping under that name is not touched.
    // Entries without a valid kind, repeated variable names (the first counts) and variable
    // names that are not valid in file names are left out. Fails for a name that cannot be a
    // mapping name (empty, or holding "=" or a line break) and when the file cannot be written.
    Acad::ErrorStatus setMappingToFile(Vdn_String sheetName, Vdn_String& mappingName);
    // Parses one line "name=entry¿entry..." into the entries (emptied first); fails without
    // "=". Entries that cannot be parsed are skipped.
    Acad::ErrorStatus initMappingFromLine(const Vdn_String& line);
    // Whether the sheet's mapping file holds a mapping equal to this one (both ways); the
    // first such mapping's name then goes to mappingName.
    bool hasSameMapping(const Vdn_String& sheetName, Vdn_String& mappingName) const;

private:
    // The entries as they are written to a file: valid kinds, unique and usable names.
    TfSSMapping writableMapping(Vdn_StringArray& ssNames, Vdn_StringArray& targets) const;
    bool isSameAs(const TfSSMapping& other) const;
    Acad::ErrorStatus accessModuleGroup(const Vdn_String& ssName, TfValueType type,
                                        Vdn_String& value, TfDlgStandardsData& data, bool set);

    int mode_ = kNotSetUp;
    Vdn_Array<TfObjectMap> entries_;
};
