#include "workshop/Vdn_DlgWsFormats.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/core/workshop/WsUiGlobalSettings.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/CDlgScales.h"
#include "platform/ui/windows/WinConstants.h"
#include "workshop/WsNamePrompt.h"

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
const wchar_t* const kCaption = L"Formaten aanpassen";
const wchar_t* const kNamePrefix = L"Naam : ";
const wchar_t* const kNameQuestion = L"Geef een unieke naam voor het formaat:";
const wchar_t* const kScalesTitle = L"Te gebruiken schalen";
const wchar_t* const kScalesSeparator = L", ";

} // namespace

Vdn_DlgWsFormats::Vdn_DlgWsFormats(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kFormatCombo, CBN_SELCHANGE, [this] { chooseFormat(); });
    onCommand(kNewButton, BN_CLICKED, [this] { newFormat(); });
    onCommand(kRenameButton, BN_CLICKED, [this] { renameFormat(); });
    onCommand(kDeleteButton, BN_CLICKED, [this] { deleteFormat(); });
    onCommand(kScalesButton, BN_CLICKED, [this] { changeScales(); });
}

BOOL Vdn_DlgWsFormats::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(kCaption);
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    if (mSettings == nullptr) {
        if (CWnd* button = GetDlgItem(kNewButton))
            button->EnableWindow(FALSE);
    }
    fillFormats(0);
    return TRUE;
}

void Vdn_DlgWsFormats::OnOK() {
    storeShown();
    CDialog::OnOK();
}

void Vdn_DlgWsFormats::fillFormats(int index) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kFormatCombo));
    if (combo == nullptr)
        return;
    combo->ResetContent();
    if (mSettings != nullptr) {
        for (const Vdn_String& name : mSettings->formatNames())
            combo->AddString(name.str());
    }
    showEntry(index < combo->GetCount() ? index : 0);
}

void Vdn_DlgWsFormats::showEntry(int index) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kFormatCombo));
    if (combo == nullptr)
        return;
    const bool shown = mSettings != nullptr && index >= 0 && index < combo->GetCount();
    mShown = shown ? index : -1;
    mShownName = shown ? Vdn_String(combo->GetLBText(index)) : Vdn_String();
    combo->SetCurSel(mShown);
    SetDlgItemText(kNameLabel, (Vdn_String(kNamePrefix) + mShownName).str());
    int enabled = 0;
    Vdn_String width;
    Vdn_String height;
    Vdn_Array<double> scales;
    if (shown) {
        mSettings->getSetting(shownPath(L"mEnabled"), enabled);
        mSettings->getSetting(shownPath(L"mFormatWidth"), width);
        mSettings->getSetting(shownPath(L"mFormatHeight"), height);
        mSettings->getSetting(shownPath(L"mPermittedScales"), scales);
    }
    CheckDlgButton(kEnabledCheck, enabled != 0 ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kWidthEdit, width.str());
    SetDlgItemText(kHeightEdit, height.str());
    Vdn_String summary;
    for (const double scale : scales) {
        if (!summary.isEmpty())
            summary += kScalesSeparator;
        summary += scaleText(scale);
    }
    SetDlgItemText(kScalesSummary, summary.str());
    // Without a format there is nothing these controls could edit.
    for (const int id :
         {kDeleteButton, kRenameButton, kEnabledCheck, kWidthEdit, kHeightEdit, kScalesButton}) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(shown ? TRUE : FALSE);
    }
}

WsUiSettingPath Vdn_DlgWsFormats::shownPath(const wchar_t* name) const {
    return createPath(createPath(mPath, mShownName), name);
}

void Vdn_DlgWsFormats::storeShown() {
    if (mSettings == nullptr || mShown < 0)
        return;
    mSettings->setSetting(shownPath(L"mEnabled"),
                          IsDlgButtonChecked(kEnabledCheck) == BST_CHECKED ? 1 : 0);
    std::wstring text;
    GetDlgItemText(kWidthEdit, text);
    mSettings->setSetting(shownPath(L"mFormatWidth"), Vdn_String(text));
    GetDlgItemText(kHeightEdit, text);
    mSettings->setSetting(shownPath(L"mFormatHeight"), Vdn_String(text));
}

void Vdn_DlgWsFormats::chooseFormat() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kFormatCombo));
    if (combo == nullptr || combo->GetCurSel() == mShown)
        return;
    const int chosen = combo->GetCurSel();
    storeShown();
    showEntry(chosen);
}

void Vdn_DlgWsFormats::newFormat() {
    if (mSettings == nullptr)
        return;
    storeShown();
    Vdn_String name;
    if (!askUniqueName(this, kNameQuestion, Vdn_String(), mSettings->formatNames(), name))
        return;
    WsUiFormat format;
    format.setFormatName(name);
    const int index = mShown < 0 ? 0 : mShown;
    if (mSettings->insertFormat(index, format) != Acad::eOk)
        return;
    fillFormats(index);
}

void Vdn_DlgWsFormats::renameFormat() {
    if (mSettings == nullptr || mShown < 0)
        return;
    storeShown();
    Vdn_String name;
    if (!askUniqueName(this, kNameQuestion, mShownName, mSettings->formatNames(), name))
        return;
    if (mSettings->setSetting(shownPath(L"mFormatName"), name) != Acad::eOk)
        return;
    fillFormats(mShown);
}

void Vdn_DlgWsFormats::deleteFormat() {
    if (mSettings == nullptr || mShown < 0)
        return;
    if (mSettings->deleteFormat(mShown) != Acad::eOk)
        return;
    fillFormats(mShown);
}

void Vdn_DlgWsFormats::changeScales() {
    if (mSettings == nullptr || mShown < 0)
        return;
    storeShown();
    Vdn_Array<double> scales;
    if (mSettings->getSetting(shownPath(L"mPermittedScales"), scales) != Acad::eOk)
        return;
    if (!StartScalesDlg(kScalesTitle, scales))
        return;
    mSettings->setSetting(shownPath(L"mPermittedScales"), scales);
    showEntry(mShown);
}
