#pragma once

#include "platform/core/AcArray.h"
#include "platform/core/AcDbObjectId.h"
#include "platform/core/MacroTabData.h"
#include "platform/core/Vdn_Array.h"
#include "platform/core/Vdn_String.h"

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
};
