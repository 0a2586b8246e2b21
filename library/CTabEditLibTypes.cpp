#include "library/CTabEditLibTypes.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"

#include <utility>

namespace {

constexpr int kNewTypeText = 764;
constexpr int kGroupText = 20450;
constexpr int kTableText = 20454;

} // namespace

BOOL CTabEditLibTypes::OnInitDialog() {
    setNumberedItemTexts(*this, {{kGroupLabel, kGroupText}, {kTableLabel, kTableText}});
    if (auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo))) {
        tables->AddString(L"");
        for (const Vdn_String& table : data_->tableNames)
            tables->AddString(table.str());
    }
    refreshGroups();
    return CTabEditLibEntries::OnInitDialog();
}

void CTabEditLibTypes::refreshGroups() {
    auto* groups = dynamic_cast<CComboBox*>(GetDlgItem(kGroupCombo));
    if (groups == nullptr)
        return;
    groups->ResetContent();
    Vdn_StringArray names;
    data_->groups.namesOfAllGroups(names, groupIds_);
    for (const Vdn_String& name : names)
        groups->AddString(name.str());
    showOwn(shownIndex());
}

int CTabEditLibTypes::appendEntry() {
    return data_->appendNewType(dialStringAllLangs(kNewTypeText));
}

void CTabEditLibTypes::swapEntries(int first, int second) {
    std::swap(data_->types[first], data_->types[second]);
}

void CTabEditLibTypes::showOwn(int index) {
    auto* groups = dynamic_cast<CComboBox*>(GetDlgItem(kGroupCombo));
    auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo));
    if (groups == nullptr || tables == nullptr)
        return;
    if (index < 0 || index >= entryCount()) {
        groups->SetCurSel(-1);
        tables->SetCurSel(-1);
        groups->EnableWindow(FALSE);
        tables->EnableWindow(FALSE);
        return;
    }
    const SectionType& type = data_->types[index];
    groups->SetCurSel(type.group < 0 ? -1 : groupIds_.find(type.group));
    int table = tables->FindStringExact(-1, type.table.str());
    if (table < 0 && !type.table.isEmpty())
        table = tables->AddString(type.table.str()); // a table the folder lacks is kept
    tables->SetCurSel(table);
    groups->EnableWindow(TRUE);
    tables->EnableWindow(TRUE);
}

void CTabEditLibTypes::storeOwn(int index) {
    auto* groups = dynamic_cast<CComboBox*>(GetDlgItem(kGroupCombo));
    auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo));
    if (groups == nullptr || tables == nullptr || index < 0 || index >= entryCount())
        return;
    SectionType& type = data_->types[index];
    const int group = groups->GetCurSel();
    type.group = group >= 0 && group < groupIds_.length() ? groupIds_[group] : -1;
    if (tables->GetCurSel() >= 0)
        type.table = Vdn_String(tables->GetLBText(tables->GetCurSel()));
}
