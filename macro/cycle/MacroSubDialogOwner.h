#pragma once
// MacroSubDialogOwner: what the macro page offers the sub-dialogs it opens for one tab. A
// sub-dialog edits a copy of one element of the tab record and hands each accepted change to
// its owner, which puts it into a copy of the tab record and sends that through the model's
// update; the dialog then takes the element back from tabData(), as the model now holds it.

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/model/DynArrayData.h"
#include "platform/core/model/MacroBoltData.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/MacroPatternProps.h"
#include "platform/core/model/MacroTabData.h"

class MacroSubDialogOwner {
public:
    virtual ~MacroSubDialogOwner() = default;

    // The record of the whole macro, and of the owner's tab (null when the record has none).
    virtual const MacroData& macroData() const = 0;
    virtual const MacroTabData* tabData() const = 0;

    // Each puts the element into the tab and runs the update; true when the model took it,
    // false when it was refused (the tab is then as it was before).
    virtual bool applyBoltData(const MacroBoltData& boltData) = 0;
    virtual bool applyPattern(int index, const MacroPatternProps& pattern) = 0;
    virtual bool applyArray(int index, const DynArrayData& array) = 0;
};
