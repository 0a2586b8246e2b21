#include "workshop/Vdn_DlgWsFormats.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/core/workshop/WsUiGlobalSettings.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/CDlgScales.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
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
    setNumberedItemTexts(*this, {{IDOK, kOkText}, {IDCANCEL, kCancelText}});
    if (settings_ == nullptr) {
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
    if (settings_ != nullptr) {
        for (const Vdn_String& name : settings_->formatNames())
            combo->AddString(name.str());
    }
    showEntry(index < combo->GetCount() ? index : 0);
}

void Vdn_DlgWsFormats::showEntry(int index) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kFormatCombo));
    if (combo == nullptr)
        return;
    const bool shown = settings_ != nullptr && index >= 0 && index < combo->GetCount();
    shown_ = shown ? index : -1;
    shownName_ = shown ? Vdn_String(combo->GetLBText(index)) : Vdn_String();
    combo->SetCurSel(shown_);
    SetDlgItemText(kNameLabel, (Vdn_String(kNamePrefix) + shownName_).str());
    int enabled = 0;
    Vdn_String width;
    Vdn_String height;
    Vdn_Array<double> scales;
    if (shown) {
        settings_->getSetting(shownPath(L"mEnabled"), enabled);
        settings_->getSetting(shownPath(L"mFormatWidth"), width);
        settings_->getSetting(shownPath(L"mFormatHeight"), height);
        settings_->getSetting(shownPath(L"mPermittedScales"), scales);
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
    return createPath(createPath(path_, shownName_), name);
}

void Vdn_DlgWsFormats::storeShown() {
    if (settings_ == nullptr || shown_ < 0)
        return;
    settings_->setSetting(shownPath(L"mEnabled"),
                          IsDlgButtonChecked(kEnabledCheck) == BST_CHECKED ? 1 : 0);
    std::wstring text;
    GetDlgItemText(kWidthEdit, text);
    settings_->setSetting(shownPath(L"mFormatWidth"), Vdn_String(text));
    GetDlgItemText(kHeightEdit, text);
    settings_->setSetting(shownPath(L"mFormatHeight"), Vdn_String(text));
}

void Vdn_DlgWsFormats::chooseFormat() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kFormatCombo));
    if (combo == nullptr || combo->GetCurSel() == shown_)
        return;
    const int chosen = combo->GetCurSel();
    storeShown();
    showEntry(chosen);
}

void Vdn_DlgWsFormats::newFormat() {
    if (settings_ == nullptr)
        return;
    storeShown();
    Vdn_String name;
    if (!askUniqueName(this, kNameQuestion, Vdn_String(), settings_->formatNames(), name))
        return;
    WsUiFormat format;
    format.setFormatName(name);
    const int index = shown_ < 0 ? 0 : shown_;
    if (settings_->insertFormat(index, format) != Acad::eOk)
        return;
    fillFormats(index);
}

void Vdn_DlgWsFormats::renameFormat() {
    if (settings_ == nullptr || shown_ < 0)
        return;
    storeShown();
    Vdn_String name;
    if (!askUniqueName(this, kNameQuestion, shownName_, settings_->formatNames(), name))
        return;
    if (settings_->setSetting(shownPath(L"mFormatName"), name) != Acad::eOk)
        return;
    fillFormats(shown_);
}

void Vdn_DlgWsFormats::deleteFormat() {
    if (settings_ == nullptr || shown_ < 0)
        return;
    if (settings_->deleteFormat(shown_) != Acad::eOk)
        return;
    fillFormats(shown_);
}

void Vdn_DlgWsFormats::changeScales() {
    if (settings_ == nullptr || shown_ < 0)
        return;
    storeShown();
    Vdn_Array<double> scales;
    if (settings_->getSetting(shownPath(L"mPermittedScales"), scales) != Acad::eOk)
        return;
    if (!StartScalesDlg(kScalesTitle, scales))
        return;
    settings_->setSetting(shownPath(L"mPermittedScales"), scales);
    showEntry(shown_);
}
