#include "dialogs/CDlgLookup.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kCaption = 1499;
constexpr int kFrameText = 1500;
constexpr int kScopeText = 1501;
constexpr int kAddToSelectionText = 1502;
constexpr int kShowAllText = 1503;
constexpr int kSelectText = 1516;
constexpr int kShowText = 1517;
constexpr int kMatchText = 20100;
constexpr int kCancelText = 2;
constexpr std::array<int, 3> kMatchEntries = {88, 89, 1511};
constexpr std::array<int, 3> kScopeEntries = {1504, 1505, 1506};

struct TextField {
    Vdn_String TfLookUpDlgData::*text;
    Vdn_StringArray TfLookUpDlgData::*proposals;
};
constexpr std::array<TextField, 5> kFields = {{
    {&TfLookUpDlgData::text1, &TfLookUpDlgData::proposals1},
    {&TfLookUpDlgData::text2, &TfLookUpDlgData::proposals2},
    {&TfLookUpDlgData::text3, &TfLookUpDlgData::proposals3},
    {&TfLookUpDlgData::text4, &TfLookUpDlgData::proposals4},
    {&TfLookUpDlgData::text5, &TfLookUpDlgData::proposals5},
}};

// The labels of the five texts: dialog texts, except the second and third, which the string
// table holds.
Vdn_String fieldLabel(std::size_t field) {
    switch (field) {
    case 0:
        return dialString(87);
    case 1:
        return string(2262);
    case 2:
        return string(2263);
    case 3:
        return dialString(95);
    default:
        return dialString(96);
    }
}

void fillChoices(CComboBox* combo, const std::array<int, 3>& entries, int chosen) {
    if (combo == nullptr)
        return;
    for (const int entry : entries)
        combo->AddString(dialString(entry).str());
    combo->SetCurSel(chosen); // an index out of range shows no choice
}

// The chosen index, or the record's own when nothing is chosen (it was out of range).
int choiceOf(const CComboBox* combo, int kept) {
    return combo != nullptr && combo->GetCurSel() >= 0 ? combo->GetCurSel() : kept;
}

} // namespace

CDlgLookup::CDlgLookup(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kSelectRadio, BN_CLICKED, [this] { updateCheck(); });
    onCommand(kShowRadio, BN_CLICKED, [this] { updateCheck(); });
    onCommand(kShowAllButton, BN_CLICKED, [this] {
        store(kResultShowAll);
        CDialog::OnOK();
    });
}

BOOL CDlgLookup::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    SetDlgItemText(kFrame, dialString(kFrameText).str());
    SetDlgItemText(kMatchCombo - 1, dialString(kMatchText).str());
    SetDlgItemText(kScopeCombo - 1, dialString(kScopeText).str());
    setNumberedItemTexts(*this, {{kSelectRadio, kSelectText},
                                 {kShowRadio, kShowText},
                                 {kAddToSelectionCheck, kAddToSelectionText},
                                 {kShowAllButton, kShowAllText},
                                 {IDCANCEL, kCancelText}});

    for (std::size_t field = 0; field < kFields.size(); ++field) {
        SetDlgItemText(kTextCombos[field] - 1, fieldLabel(field).str());
        auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kTextCombos[field]));
        if (combo == nullptr)
            continue;
        for (const Vdn_String& proposal : data_.*kFields[field].proposals)
            combo->AddString(proposal.str());
        combo->SetWindowText((data_.*kFields[field].text).str());
    }
    fillChoices(dynamic_cast<CComboBox*>(GetDlgItem(kMatchCombo)), kMatchEntries,
                data_.firstChoice);
    fillChoices(dynamic_cast<CComboBox*>(GetDlgItem(kScopeCombo)), kScopeEntries,
                data_.secondChoice);
    if (data_.mode == 0)
        CheckDlgButton(kSelectRadio, BST_CHECKED);
    else if (data_.mode == 1)
        CheckDlgButton(kShowRadio, BST_CHECKED);
    // The box says "add to the selection"; the flag means the selection is replaced.
    CheckDlgButton(kAddToSelectionCheck, data_.flag ? BST_UNCHECKED : BST_CHECKED);
    updateCheck();
    return TRUE;
}

void CDlgLookup::OnOK() {
    store(kResultOk);
    CDialog::OnOK();
}

void CDlgLookup::store(int resultCode) {
    for (std::size_t field = 0; field < kFields.size(); ++field) {
        std::wstring typed;
        GetDlgItemText(kTextCombos[field], typed);
        data_.*kFields[field].text = Vdn_String(std::move(typed));
    }
    data_.firstChoice =
        choiceOf(dynamic_cast<CComboBox*>(GetDlgItem(kMatchCombo)), data_.firstChoice);
    data_.secondChoice =
        choiceOf(dynamic_cast<CComboBox*>(GetDlgItem(kScopeCombo)), data_.secondChoice);
    if (IsDlgButtonChecked(kSelectRadio) == BST_CHECKED)
        data_.mode = 0;
    else if (IsDlgButtonChecked(kShowRadio) == BST_CHECKED)
        data_.mode = 1;
    data_.flag = IsDlgButtonChecked(kAddToSelectionCheck) != BST_CHECKED;
    data_.resultCode = resultCode;
}

void CDlgLookup::updateCheck() {
    if (CWnd* check = GetDlgItem(kAddToSelectionCheck))
        check->EnableWindow(IsDlgButtonChecked(kSelectRadio) == BST_CHECKED ? TRUE : FALSE);
}
