#pragma once

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/MacroTabData.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"

// The core module's record of one parametric macro: its name, the two marks the core module
// sets, and one tab record per tab of the macro (Vdn_DbMacro::getMacroData). A value type
// copied by assignment.
class MacroData {
public:
    MacroData() = default;
    MacroData(const MacroData&) = default;
    MacroData& operator=(const MacroData&) = default;
    virtual ~MacroData() = default;

    friend bool operator==(const MacroData&, const MacroData&) = default;

    // Index of the tab with the given name (compared without regard to case), or -1.
    int findTab(const Vdn_String& tabName) const;
    // The tab at index, or null when index is out of range.
    MacroTabData* getTab(int index);
    const MacroTabData* getTab(int index) const;

    // The tab named moduleName, or the tab that holds the module of that name; null for none.
    MacroTabData* tabOfModule(const Vdn_String& moduleName);
    const MacroTabData* tabOfModule(const Vdn_String& moduleName) const;
    // The merged properties of the profile group in that tab (MacroTabData); false when there
    // is no such tab or group.
    bool getMergedPropsOfGroup(const Vdn_String& moduleName, const Vdn_String& group,
                               MacroProfData& props) const;
    bool setMergedPropsOfGroup(const Vdn_String& moduleName, const Vdn_String& group,
                               const MacroProfData& props);

    // Properties files keep the values of the record's settable cells, tab by tab, so that a
    // user can save a set of values and load it into another macro of the same kind
    // ("<libDir>Macro Properties\*.prp", JSON; see docs/macro-file.md). Allowed for a named
    // record that stands for at least one macro.
    bool propListAllowed() const;
    // The folder and extension (without dot) of properties files, the names (without folder
    // and extension, sorted) of the files saved for a macro of this name, and of all files.
    void getPropFiles(Vdn_String& folder, Vdn_String& extension, Vdn_StringArray& ownNames,
                      Vdn_StringArray& allNames) const;
    // Writes the file (and its folder when missing); false when it cannot be written.
    bool writeToFile(const Vdn_String& path) const;
    // Puts the file's values into the record's cells; count is the number of values that were
    // not taken (no such tab or cell, or a read-only cell). False, with the record unchanged
    // and problem (optional) saying why, when the file cannot be read or is no properties
    // file.
    bool readFromFile(const Vdn_String& path, int& count, Vdn_String* problem = nullptr);

    // Sets the view direction (0 to 3, Vdn_ViewDirection) of the tab, in the record and in
    // every macro of the current drawing it stands for. False for an unknown tab or another
    // direction.
    bool changeView(const Vdn_String& tabName, int direction);
    // Evaluates the standards spreadsheets mapped onto each macro the record stands for (the
    // rows of its settings' mapping that name a sheet), recalculates, runs the clash check and
    // refills the record. All or nothing: false, with the drawing's last message saying why and
    // no macro changed, when an evaluation fails, none is installed or the result clashes.
    bool loadFromStandards();
    // Writes the whole record into every macro it stands for again (recalculated and clash
    // checked, as UpdateModule does for one tab); false, with nothing changed, when the model
    // refuses it.
    bool reApply();

    Vdn_String name;
    Vdn_String title; // the macro dialog's window title
    // The macros the record stands for, in the drawing that holds them.
    AcArray<AcDbObjectId> objectIds;
    Vdn_String currentTab;
    // Set while the core module is working on the macro; a modeless dialog holding it is then
    // not closed at once.
    bool busy = false;
    // Set when the macro's objects are to be erased once its dialog closes.
    bool eraseOnClose = false;
    Vdn_Array<MacroTabData> tabs;
    // The macro dialog's two filter lists and the index chosen in each. The first list holds
    // the groups of the macro's settings (its chosen entry is the current group), the second
    // the filter properties of its settings.
    Vdn_StringArray filterCaptions1;
    Vdn_StringArray filterCaptions2;
    int filterIndex1 = 0;
    int filterIndex2 = 0;
    // The chosen entry of the first filter list, or empty when there is none.
    Vdn_String currentGroup() const {
        return filterCaptions1.isValidIndex(filterIndex1) ? filterCaptions1[filterIndex1]
                                                          : Vdn_String();
    }
};
