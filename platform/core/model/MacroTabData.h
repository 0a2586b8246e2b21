#pragma once

#include "platform/core/model/DynArrayData.h"
#include "platform/core/model/MacroBoltData.h"
#include "platform/core/model/MacroCell.h"
#include "platform/core/model/MacroCutData.h"
#include "platform/core/model/MacroFlexFixGroup.h"
#include "platform/core/model/MacroPatternProps.h"
#include "platform/core/model/MacroProfData.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <optional>

// The record of one tab of a macro: the modules that share a tab name (a group, or a module
// without group), with the values the macro dialog and the spreadsheet mapping read and change
// through the record. A value type copied by assignment; Vdn_DbMacro::getMacroData builds it
// and Vdn_DbMacro::setMacroData writes it back into the model. Names are compared without
// regard to case.
class MacroTabData {
public:
    // Page kinds of the macro dialog.
    static constexpr int kGeneralTab = 0;
    static constexpr int kBoltTab = 1;
    static constexpr int kProfileTab = 2;
    static constexpr int kPlainTab = 3; // a general page without picture

    // Change codes of differences, in the first list of changes.
    static constexpr int kCellsChanged = -1;
    static constexpr int kBoltDataChanged = -2;
    static constexpr int kFlexFixChanged = -3;
    static constexpr int kCutsChanged = -4;
    static constexpr int kArraysChanged = -5;
    static constexpr int kPatternsChanged = -6;
    static constexpr int kBlockReferenceChanged = -12;
    static constexpr int kProfilesChanged = -13;

    // Compares two records of one tab (control ids do not count). changes gets one code per
    // kind of change, ascending by absolute value (kCellsChanged first); changedCells the
    // index of every cell whose value differs; changedNames the name of every changed cell,
    // cut, array, pattern, profile group and flex/fix entry, each once. True when anything differs;
    // the lists are replaced either way.
    static bool differences(const MacroTabData& oldTab, const MacroTabData& newTab,
                            Vdn_StringArray& changedNames, Vdn_Array<int>& changes,
                            Vdn_Array<int>& changedCells);

    MacroTabData() = default;
    MacroTabData(const MacroTabData&) = default;
    MacroTabData& operator=(const MacroTabData&) = default;
    virtual ~MacroTabData() = default;

    friend bool operator==(const MacroTabData&, const MacroTabData&) = default;

    // The tab's bolt data, or null when the tab has no bolt module.
    MacroBoltData* getBoltData() { return boltData ? &*boltData : nullptr; }
    const MacroBoltData* getBoltData() const { return boltData ? &*boltData : nullptr; }

    // Whether the tab has a flex/fix button for the variable (one per module of the tab that
    // has the variable with a button). fixed: every such button is fixed; mixed: they
    // disagree. Both flags are left as they were when there is no button.
    bool getFlexFixBtnStatus(const Vdn_String& variable, bool& fixed, bool& mixed) const;
    // Sets every button of the tab for the variable to flexible or fixed; true when a button
    // changed.
    bool flexFixBtnClicked(const Vdn_String& variable, bool flexible);

    // Index of the element with the given name (without regard to case), or -1.
    int findCellWithName(const Vdn_String& cellName) const;
    int findCutWithName(const Vdn_String& cutName) const;
    int findArrayWithName(const Vdn_String& arrayName) const;
    int findPatternWithName(const Vdn_String& patternName) const;
    // Index of the pattern whose "..." button has the id, or, for a negative id -r, of the
    // pattern shown in row r of the page's grid; -1 for none (also for 0, the id of nothing).
    int findPatternWithBtnId(int id) const;
    // Clears every control id the dialog set (cells, cuts, patterns, arrays).
    void removeAllDlgReferences();

    // The merged properties of the profile placements named group; false when there is none.
    bool getMergedPropsOfGroup(const Vdn_String& group, MacroProfData& props) const;
    // Writes every text of props (section, material, member name) and number (offset type,
    // rotation) that differs from the group's merged value into each placement of the group,
    // so that a value left as merged (also an empty or -1, undetermined one) changes nothing.
    // False when the group has no placement.
    bool setMergedPropsOfGroup(const Vdn_String& group, const MacroProfData& props);

    Vdn_String name;
    int kind = kGeneralTab;
    Vdn_StringArray moduleNames;
    std::optional<MacroBoltData> boltData;
    Vdn_Array<MacroProfData> profiles;
    Vdn_Array<MacroFlexFixGroup> flexFixGroups;
    Vdn_Array<MacroCell> cells;
    Vdn_Array<MacroCutData> cuts;
    Vdn_Array<DynArrayData> arrays;
    Vdn_Array<MacroPatternProps> patterns; // of the tab's bolt modules, in module order
    Vdn_String designName;                 // the user design drawn on the page; empty for none
    bool blockReference = false;
    Vdn_String blockName;
    int view = 3;
};
