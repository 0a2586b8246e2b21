#include "macro/cycle/MacroValueCycle.h"

#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/host/CommandLineApi.h"

#include <utility>

namespace {

// Clears the in-update mark on every path.
class UpdateMark {
public:
    explicit UpdateMark(bool& mark) : mark_(mark) { mark_ = true; }
    ~UpdateMark() { mark_ = false; }
    UpdateMark(const UpdateMark&) = delete;
    UpdateMark& operator=(const UpdateMark&) = delete;

private:
    bool& mark_;
};

} // namespace

MacroValueCycle::MacroValueCycle(MacroData& data, Vdn_String tabName, int slot)
    : data_(data), tabName_(std::move(tabName)), slot_(slot) {}

MacroTabData* MacroValueCycle::tab() {
    return data_.getTab(data_.findTab(tabName_));
}

const MacroTabData* MacroValueCycle::tabData() const {
    return data_.getTab(data_.findTab(tabName_));
}

MacroValueCycle::Outcome MacroValueCycle::commit(const MacroTabData& before) {
    MacroTabData* current = tab();
    if (current == nullptr || updating_)
        return Outcome::Unchanged;
    Outcome outcome = Outcome::Unchanged;
    {
        UpdateMark mark(updating_);
        Vdn_StringArray changedNames;
        Vdn_Array<int> changes;
        Vdn_Array<int> changedCells;
        if (MacroTabData::differences(before, *current, changedNames, changes, changedCells)) {
            if (UpdateModule(tabName_, data_, changes, changedCells)) {
                lastRefusal_ = Vdn_String();
                clashcheck(slot_, data_.objectIds);
                outcome = Outcome::Applied;
            } else {
                // The model kept what it had; so does the record, or the dialog would show
                // values the model does not hold.
                lastRefusal_ = Vdn_Drawing::current().lastMessage();
                if (MacroTabData* restored = tab())
                    *restored = before;
                acutPrintf(L"The change of %s was refused: %s\n", tabName_.c_str(),
                           lastRefusal_.c_str());
                outcome = Outcome::Refused;
            }
        }
    }
    if (refresh_)
        refresh_();
    acedPostCommandPrompt();
    return outcome;
}

MacroValueCycle::Outcome MacroValueCycle::update(const MacroTabData& changed) {
    MacroTabData* current = tab();
    if (current == nullptr || updating_)
        return Outcome::Unchanged;
    const MacroTabData before = *current;
    *current = changed;
    return commit(before);
}

bool MacroValueCycle::applyBoltData(const MacroBoltData& boltData) {
    const MacroTabData* current = tabData();
    if (current == nullptr || !current->boltData)
        return false;
    MacroTabData changed = *current;
    changed.boltData = boltData;
    return update(changed) != Outcome::Refused;
}

bool MacroValueCycle::applyPattern(int index, const MacroPatternProps& pattern) {
    const MacroTabData* current = tabData();
    if (current == nullptr || !current->patterns.isValidIndex(index))
        return false;
    MacroTabData changed = *current;
    changed.patterns[index] = pattern;
    return update(changed) != Outcome::Refused;
}

bool MacroValueCycle::applyArray(int index, const DynArrayData& array) {
    const MacroTabData* current = tabData();
    if (current == nullptr || !current->arrays.isValidIndex(index))
        return false;
    MacroTabData changed = *current;
    changed.arrays[index] = array;
    return update(changed) != Outcome::Refused;
}
