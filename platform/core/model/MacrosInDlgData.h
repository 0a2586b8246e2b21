#pragma once

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <functional>

// The macros a cut dialog works with, in the current drawing (Vdn_Drawing::current()): the
// macro the dialog is for first, then the other macro the user picked, if any. A value type.
class MacrosInDlgData {
public:
    // Asks the user for one object of the drawing; false when the pick is cancelled.
    using ObjectPicker = std::function<bool(AcDbObjectId& picked)>;

    MacrosInDlgData() = default;
    MacrosInDlgData(const MacrosInDlgData&) = default;
    MacrosInDlgData& operator=(const MacrosInDlgData&) = default;
    virtual ~MacrosInDlgData() = default;

    friend bool operator==(const MacrosInDlgData&, const MacrosInDlgData&) = default;

    // The names of the modules a cut may be put in: those of the dialog's own macro, or (for
    // otherMacros) those of the picked macro; each name once, in the macro's order.
    void GetAllMods(Vdn_StringArray& mods, bool otherMacros) const;
    // The user picks another macro of the drawing, which then stands beside the dialog's own.
    // False, changing nothing, when the pick is cancelled or names no macro, or names the
    // dialog's own macro (its modules are offered already).
    bool UserSelectMacro(const ObjectPicker& pick);

    // The dialog's own macro; null when there is none.
    AcDbObjectId ownMacro() const;
    // The picked macro; null when none was picked.
    AcDbObjectId otherMacro() const;

    AcArray<AcDbObjectId> objectIds;
};
