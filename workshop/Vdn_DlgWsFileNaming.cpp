#include "workshop/Vdn_DlgWsFileNaming.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/core/workshop/WsUiNamingItems.h"
#include "platform/core/workshop/WsUiSettingsBase.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/CDlgListSort.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
const wchar_t* const kCaption = L"Configuratie van bestandsnamen";
const wchar_t* const kSortingTitle = L"Sortering van pagina's";
const wchar_t* const kNamingTitle = L"Creatie van de bestandsnamen";
const wchar_t* const kListPrompt = L"Voeg toe, verwijder en sorteer de items";
const wchar_t* const kSummarySeparator = L" + ";

// The list dialog's mode: items are added, removed and put in order.
constexpr int kListMode = DlgListSortData::kAddRemove | DlgListSortData::kOrder;

} // namespace

Vdn_DlgWsFileNaming::Vdn_DlgWsFileNaming(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kPageNumberingCheck, BN_CLICKED, [this] { showNamingTitle(); });
    onCommand(kNamingButton, BN_CLICKED, [this] { changeNaming(); });
}

BOOL Vdn_DlgWsFileNaming::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(kCaption);
    setNumberedItemTexts(*this, {{IDOK, kOkText}, {IDCANCEL, kCancelText}});
    if (settings_ == nullptr) {
        for (const int id :
             {kPageNumberingCheck, kNamingButton, kSeparatorEdit, kTruncateCheck, kFolderCombo}) {
            if (CWnd* control = GetDlgItem(id))
                control->EnableWindow(FALSE);
        }
        return TRUE;
    }
    int flag = 0;
    if (settings_->getSetting(createPath(path_, L"mPageNumbering"), flag) == Acad::eOk)
        CheckDlgButton(kPageNumberingCheck, flag != 0 ? BST_CHECKED : BST_UNCHECKED);
    Vdn_String text;
    if (settings_->getSetting(createPath(path_, L"mSeperator"), text) == Acad::eOk)
        SetDlgItemText(kSeparatorEdit, text.str());
    if (settings_->getSetting(createPath(path_, L"mTruncateValues"), flag) == Acad::eOk)
        CheckDlgButton(kTruncateCheck, flag != 0 ? BST_CHECKED : BST_UNCHECKED);
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kFolderCombo))) {
        combo->ResetContent();
        for (const Vdn_String& item : getAllNamingDescs())
            combo->AddString(item.str());
        if (settings_->getSetting(createPath(path_, L"mFolderNaming"), text) == Acad::eOk)
            combo->SetCurSel(combo->FindStringExact(-1, text.str()));
    }
    showNamingTitle();
    showNamingSummary();
    return TRUE;
}

void Vdn_DlgWsFileNaming::OnOK() {
    if (settings_ != nullptr) {
        settings_->setSetting(createPath(path_, L"mPageNumbering"),
                              IsDlgButtonChecked(kPageNumberingCheck) == BST_CHECKED ? 1 : 0);
        settings_->setSetting(createPath(path_, L"mTruncateValues"),
                              IsDlgButtonChecked(kTruncateCheck) == BST_CHECKED ? 1 : 0);
        std::wstring separator;
        GetDlgItemText(kSeparatorEdit, separator);
        settings_->setSetting(createPath(path_, L"mSeperator"), Vdn_String(separator));
        // Without a chosen folder item the stored one stays (it may be one this catalogue
        // does not offer).
        auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kFolderCombo));
        if (combo != nullptr && combo->GetCurSel() >= 0) {
            settings_->setSetting(createPath(path_, L"mFolderNaming"),
                                  Vdn_String(combo->GetLBText(combo->GetCurSel())));
        }
    }
    CDialog::OnOK();
}

Vdn_String Vdn_DlgWsFileNaming::namingTitle() const {
    return IsDlgButtonChecked(kPageNumberingCheck) == BST_CHECKED ? kSortingTitle : kNamingTitle;
}

void Vdn_DlgWsFileNaming::showNamingTitle() {
    SetDlgItemText(kNamingLabel, namingTitle().str());
}

void Vdn_DlgWsFileNaming::showNamingSummary() {
    Vdn_Array<int> codes;
    Vdn_String summary;
    if (settings_ != nullptr &&
        settings_->getSetting(createPath(path_, L"mFileNaming"), codes) == Acad::eOk) {
        for (const Vdn_String& item : getNamingDescs(codes)) {
            if (!summary.isEmpty())
                summary += kSummarySeparator;
            summary += item;
        }
    }
    SetDlgItemText(kNamingSummary, summary.str());
}

void Vdn_DlgWsFileNaming::changeNaming() {
    if (settings_ == nullptr)
        return;
    const WsUiSettingPath namingPath = createPath(path_, L"mFileNaming");
    Vdn_Array<int> codes;
    if (settings_->getSetting(namingPath, codes) != Acad::eOk)
        return;
    DlgListSortData list;
    list.mode = kListMode;
    list.title = namingTitle();
    list.prompt = kListPrompt;
    list.availableItems = getAllNamingDescs();
    list.chosenItems = getNamingDescs(codes);
    if (!StartListSortDlg(list))
        return;
    if (getNamingCodes(list.chosenItems, codes))
        settings_->setSetting(namingPath, codes);
    showNamingSummary();
}
