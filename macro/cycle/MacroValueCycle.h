#pragma once
// MacroValueCycle: the update of one tab of a macro record (MacroData) held by the macro
// dialog. A change goes into a copy of the tab record; when it differs from the tab as it was
// (MacroTabData::differences) it is written into the model (UpdateModule), which
// recalculates and fills the record again; a change the model takes is followed by the clash
// check. A change the model refuses is taken back: the tab record is restored from the copy
// taken before the change and the reason is printed on the command line. Either way every
// page is refreshed (the refresh callback) and the command prompt is posted again.
//
// The macro dialog's page owns one per tab; alone (the sub-dialogs' tests, `tessa show`) it
// works on a record of its own.

#include "macro/cycle/MacroSubDialogOwner.h"

#include <functional>

class MacroValueCycle : public MacroSubDialogOwner {
public:
    // The result of one update.
    enum class Outcome { Unchanged, Applied, Refused };

    // Works on data, which must outlive the cycle; tabName names the tab (compared without
    // regard to case); slot is the dialog's slot for the clash check (-1 when modal).
    MacroValueCycle(MacroData& data, Vdn_String tabName, int slot = -1);

    // Called after every update, applied or refused, to show the record again.
    void setRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }

    // Sends the tab record, already changed in place, through the update, comparing it with
    // the record as it was before the change.
    Outcome commit(const MacroTabData& before);
    // Replaces the tab record with changed and sends it through the update.
    Outcome update(const MacroTabData& changed);
    // Whether an update is running (a refresh it triggers must not start another).
    bool isUpdating() const { return updating_; }
    // The reason of the last refusal; empty after a change the model took.
    const Vdn_String& lastRefusal() const { return lastRefusal_; }

    const MacroData& macroData() const override { return data_; }
    const MacroTabData* tabData() const override;
    bool applyBoltData(const MacroBoltData& boltData) override;
    bool applyPattern(int index, const MacroPatternProps& pattern) override;
    bool applyArray(int index, const DynArrayData& array) override;

private:
    MacroTabData* tab();

    MacroData& data_;
    Vdn_String tabName_;
    int slot_;
    std::function<void()> refresh_;
    bool updating_ = false;
    Vdn_String lastRefusal_;
};
