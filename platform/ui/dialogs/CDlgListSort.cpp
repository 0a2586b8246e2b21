#include "platform/ui/dialogs/CDlgListSort.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kAvailableText = 20302;
constexpr int kChosenText = 20303;
constexpr int kAddText = 20304;
constexpr int kRemoveText = 20305;
constexpr int kUpText = 20306;
constexpr int kDownText = 20307;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;

// The labels stand just before their lists.
constexpr int kAvailableLabel = CDlgListSort::kAvailableList - 1;
constexpr int kChosenLabel = CDlgListSort::kChosenList - 1;

} // namespace

CDlgListSort::CDlgListSort(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kAddButton, BN_CLICKED, [this] { addChosen(); });
    onCommand(kRemoveButton, BN_CLICKED, [this] { removeChosen(); });
    onCommand(kUpButton, BN_CLICKED, [this] { moveChosen(-1); });
    onCommand(kDownButton, BN_CLICKED, [this] { moveChosen(1); });
    onCommand(kAvailableList, LBN_SELCHANGE, [this] { updateButtons(); });
    onCommand(kChosenList, LBN_SELCHANGE, [this] { updateButtons(); });
    onCommand(kAvailableList, LBN_DBLCLK, [this] { addChosen(); });
    onCommand(kChosenList, LBN_DBLCLK, [this] { removeChosen(); });
}

BOOL CDlgListSort::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(data_.title.str());
    SetDlgItemText(kPrompt, data_.prompt.str());
    SetDlgItemText(kAvailableLabel, string(kAvailableText).str());
    SetDlgItemText(kChosenLabel, string(kChosenText).str());
    SetDlgItemText(kAddButton, string(kAddText).str());
    SetDlgItemText(kRemoveButton, string(kRemoveText).str());
    SetDlgItemText(kUpButton, string(kUpText).str());
    SetDlgItemText(kDownButton, string(kDownText).str());
    setNumberedItemTexts(*this, {{IDOK, kOkText}, {IDCANCEL, kCancelText}});
    const bool addRemove = (data_.mode & DlgListSortData::kAddRemove) != 0;
    const bool order = (data_.mode & DlgListSortData::kOrder) != 0;
    for (const int id : {kAddButton, kRemoveButton}) {
        if (CWnd* button = GetDlgItem(id))
            button->ShowWindow(addRemove ? SW_SHOW : SW_HIDE);
    }
    for (const int id : {kUpButton, kDownButton}) {
        if (CWnd* button = GetDlgItem(id))
            button->ShowWindow(order ? SW_SHOW : SW_HIDE);
    }
    fillLists(data_.chosenItems.isEmpty() ? -1 : 0);
    return TRUE;
}

void CDlgListSort::fillLists(int selected) {
    auto* available = dynamic_cast<CListBox*>(GetDlgItem(kAvailableList));
    auto* chosen = dynamic_cast<CListBox*>(GetDlgItem(kChosenList));
    if (available == nullptr || chosen == nullptr)
        return;
    const int availableSelection = available->GetCurSel();
    available->ResetContent();
    for (const Vdn_String& item : data_.availableItems) {
        if (!data_.chosenItems.contains(item))
            available->AddString(item.str());
    }
    if (available->GetCount() > 0)
        available->SetCurSel(std::min(std::max(availableSelection, 0), available->GetCount() - 1));
    chosen->ResetContent();
    for (const Vdn_String& item : data_.chosenItems)
        chosen->AddString(item.str());
    chosen->SetCurSel(selected);
    updateButtons();
}

void CDlgListSort::addChosen() {
    auto* available = dynamic_cast<CListBox*>(GetDlgItem(kAvailableList));
    if (available == nullptr || (data_.mode & DlgListSortData::kAddRemove) == 0 ||
        available->GetCurSel() < 0)
        return;
    std::wstring item;
    available->GetText(available->GetCurSel(), item);
    const int index = data_.chosenItems.append(Vdn_String(item));
    fillLists(index);
}

void CDlgListSort::removeChosen() {
    auto* chosen = dynamic_cast<CListBox*>(GetDlgItem(kChosenList));
    if (chosen == nullptr || (data_.mode & DlgListSortData::kAddRemove) == 0)
        return;
    const int index = chosen->GetCurSel();
    if (!data_.chosenItems.removeAt(index))
        return;
    fillLists(std::min(index, data_.chosenItems.length() - 1));
}

void CDlgListSort::moveChosen(int step) {
    auto* chosen = dynamic_cast<CListBox*>(GetDlgItem(kChosenList));
    if (chosen == nullptr || (data_.mode & DlgListSortData::kOrder) == 0)
        return;
    const int index = chosen->GetCurSel();
    const int target = index + step;
    if (!data_.chosenItems.isValidIndex(index) || !data_.chosenItems.isValidIndex(target))
        return;
    std::swap(data_.chosenItems[index], data_.chosenItems[target]);
    fillLists(target);
}

void CDlgListSort::updateButtons() {
    auto* available = dynamic_cast<CListBox*>(GetDlgItem(kAvailableList));
    auto* chosen = dynamic_cast<CListBox*>(GetDlgItem(kChosenList));
    if (available == nullptr || chosen == nullptr)
        return;
    const int index = chosen->GetCurSel();
    const auto enable = [this](int id, bool on) {
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(on ? TRUE : FALSE);
    };
    enable(kAddButton, available->GetCurSel() >= 0);
    enable(kRemoveButton, index >= 0);
    enable(kUpButton, index > 0);
    enable(kDownButton, index >= 0 && index + 1 < chosen->GetCount());
}

bool StartListSortDlg(DlgListSortData& data) {
    CDlgListSort dialog;
    dialog.data_ = data;
    if (dialog.DoModal() != IDOK)
        return false;
    data = dialog.data_;
    return true;
}
