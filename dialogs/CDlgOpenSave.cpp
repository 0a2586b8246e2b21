#include "dialogs/CDlgOpenSave.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/FileNameWarning.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/graphics/WinGdi.h"
#include "platform/ui/windows/WinConstants.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr UINT kDeleteIcon = 206;
constexpr int kShowAllText = 1498;
constexpr int kSaveCaption = 1126;
constexpr int kOpenCaption = 1127;
constexpr int kSaveOk = 841;
constexpr int kOpenOk = 842;
constexpr int kCancelText = 2;
constexpr int kOverwriteFirst = 1128;
constexpr int kOverwriteOfThisMacro = 1129;
constexpr int kOverwriteLast = 1130;
constexpr int kOverwriteCaption = 1131;
constexpr int kDeleteFirst = 1132;
constexpr int kDeleteSecond = 1133;
constexpr int kDeleteThird = 1134;
constexpr int kDeleteCaption = 1135;

} // namespace

CDlgOpenSave::CDlgOpenSave(CWnd* parent) : ResizableDialog(IDD, parent, kSizeKey) {
    onCommand(kShowAllCheck, BN_CLICKED, [this] { fillList(); });
    onCommand(kNameList, LBN_SELCHANGE, [this] { takeSelection(); });
    onCommand(kNameList, LBN_DBLCLK, [this] {
        takeSelection();
        OnOK();
    });
    onCommand(kDeleteButton, BN_CLICKED, [this] { deleteSelection(); });
}

BOOL CDlgOpenSave::OnInitDialog() {
    CDialog::OnInitDialog();
    attachIconButton(deleteButton_, this, kDeleteButton, kDeleteIcon, L"Selectie verwijderen...");
    const bool saving = mode_ == kModeSave;
    SetDlgItemText(kShowAllCheck, string(kShowAllText).str());
    SetWindowText(string(saving ? kSaveCaption : kOpenCaption).str());
    SetDlgItemText(IDOK, string(saving ? kSaveOk : kOpenOk).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    if (CWnd* edit = GetDlgItem(kNameEdit)) {
        edit->EnableWindow(saving ? TRUE : FALSE);
    }
    fillList();

    const std::array<CResizer::CBorderInfo, 6> layout = {{
        {kNameList,
         {CResizer::eFixed},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eTop},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
        {kDeleteButton,
         {CResizer::eWidth},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eTop},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eHeight}},
        {kShowAllCheck,
         {CResizer::eFixed},
         {CResizer::eHeight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
        {kNameEdit,
         {CResizer::eFixed},
         {CResizer::eHeight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
        CResizer::keptBottomRight(IDOK),
        CResizer::keptBottomRight(IDCANCEL),
    }};
    followLayout(layout);
    // Never smaller than it opened.
    keepPresentSizeAsMinimum();
    restoreSize();
    return TRUE;
}

void CDlgOpenSave::fillList() {
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(kNameList));
    if (list == nullptr) {
        return;
    }
    list->ResetContent();
    const Vdn_StringArray& names = IsDlgButtonChecked(kShowAllCheck) ? allNames_ : macroNames_;
    for (int i = 0; i < names.length(); ++i) {
        list->AddString(names[i].str());
    }
}

void CDlgOpenSave::takeSelection() {
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(kNameList));
    if (list == nullptr || list->GetCurSel() < 0) {
        return;
    }
    std::wstring name;
    list->GetText(list->GetCurSel(), name);
    SetDlgItemText(kNameEdit, name);
}

Vdn_String CDlgOpenSave::pathOf(const Vdn_String& name) const {
    return folder_ + name + extension_;
}

void CDlgOpenSave::OnOK() {
    std::wstring typed;
    GetDlgItemText(kNameEdit, typed);
    const Vdn_String name(typed);
    if (name.isEmpty()) {
        return;
    }
    if (mode_ == kModeSave) {
        if (!warnInvalidFileName(name)) {
            return;
        }
        if (core::fileExists(pathOf(name))) {
            // The name of another macro's file is worth saying so.
            Vdn_String question = string(kOverwriteFirst);
            if (macroNames_.find(name) < 0) {
                question = question + L"\n" + string(kOverwriteOfThisMacro);
            }
            question = question + L"\n" + string(kOverwriteLast);
            if (MessageBox(question.str(), string(kOverwriteCaption).str(),
                           MB_YESNO | MB_ICONQUESTION) != IDYES) {
                return;
            }
        }
    }
    name_ = name;
    EndDialog(IDOK);
}

void CDlgOpenSave::deleteSelection() {
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(kNameList));
    if (list == nullptr || list->GetCurSel() < 0) {
        return;
    }
    std::wstring chosen;
    list->GetText(list->GetCurSel(), chosen);
    const Vdn_String name(chosen);
    const Vdn_String question = string(kDeleteFirst) + L" \"" + name + L"\"\n" +
                                string(kDeleteSecond) + L"\n" + string(kDeleteThird);
    if (MessageBox(question.str(), string(kDeleteCaption).str(), MB_YESNO | MB_ICONQUESTION) !=
        IDYES) {
        return;
    }
    const auto file = core::resolveExistingFile(pathOf(name));
    std::error_code error;
    if (!file || !std::filesystem::remove(*file, error) || error) {
        return; // a file that stays keeps its name in the lists
    }
    for (Vdn_StringArray* names : {&macroNames_, &allNames_}) {
        const int index = names->find(name);
        if (index >= 0) {
            names->removeAt(index);
        }
    }
    fillList();
}
