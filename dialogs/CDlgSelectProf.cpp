#include "dialogs/CDlgSelectProf.h"

#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kCaption = 20558;
constexpr int kTableText = 20555;
constexpr int kUserSectionsText = 20556;
constexpr int kCancelText = 2;
constexpr int kTableLabel = CDlgSelectProf::kTableCombo + 1;

Vdn_String nameOnly(const Vdn_String& path) {
    return path.substr(getPath(path).length());
}

} // namespace

CDlgSelectProf::CDlgSelectProf(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kTableCombo, CBN_SELCHANGE, [this] { fillSizes(); });
    onCommand(kSizeList, LBN_DBLCLK, [this] { OnOK(); });
}

BOOL CDlgSelectProf::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    SetDlgItemText(kTableLabel, (dialString(kTableText) + L":").str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());

    for (const auto& file : core::findMatching(gSettings.libDir() + L"prof\\*.pr"))
        tables_.append(removeExtension(nameOnly(core::fromNativePath(file))));
    for (const auto& file : core::findMatching(gSettings.libDir() + kUserSectionsFolder + L"*"))
        userFiles_.append(nameOnly(core::fromNativePath(file)));

    auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo));
    if (tables == nullptr)
        return TRUE;
    for (const Vdn_String& table : tables_)
        tables->AddString(table.str());
    if (!userFiles_.isEmpty())
        tables->AddString(dialString(kUserSectionsText).str());
    // The table of the given profile first.
    int first = name_.startsWith(kUserSectionsFolder, false) ? tables_.length() : 0;
    const int dash = name_.find(L"-");
    if (dash > 0 && tables_.find(name_.substr(0, dash), false) >= 0)
        first = tables_.find(name_.substr(0, dash), false);
    tables->SetCurSel(std::min(first, tables->GetCount() - 1));
    fillSizes();
    return TRUE;
}

bool CDlgSelectProf::userSectionsChosen() const {
    auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo));
    return tables != nullptr && tables->GetCurSel() == tables_.length();
}

void CDlgSelectProf::fillSizes() {
    auto* tables = dynamic_cast<CComboBox*>(GetDlgItem(kTableCombo));
    auto* sizes = dynamic_cast<CListBox*>(GetDlgItem(kSizeList));
    if (tables == nullptr || sizes == nullptr)
        return;
    sizes->ResetContent();
    sizes_ = Vdn_StringArray();
    const int chosen = tables->GetCurSel();
    if (userSectionsChosen()) {
        for (const Vdn_String& file : userFiles_) {
            sizes_.append(gSettings.libDir() + kUserSectionsFolder + file);
            sizes->AddString(removeExtension(file).str());
        }
    } else if (chosen >= 0 && chosen < tables_.length()) {
        Vdn_ProfValuesTable table;
        if (table.readFromFile(tables_[chosen]))
            table.getFilteredSysNames(sizes_);
        for (const Vdn_String& size : sizes_)
            sizes->AddString(size.str());
    }
    sizes->SetCurSel(sizes_.find(name_, false));
}

void CDlgSelectProf::OnOK() {
    auto* sizes = dynamic_cast<CListBox*>(GetDlgItem(kSizeList));
    const int chosen = sizes != nullptr ? sizes->GetCurSel() : -1;
    if (chosen < 0 || chosen >= sizes_.length())
        return;
    name_ = sizes_[chosen];
    CDialog::OnOK();
}

bool DlgSelectProf(Vdn_String& name, CWnd* parent) {
    CDlgSelectProf dialog(parent);
    dialog.name_ = name;
    if (dialog.DoModal() != IDOK)
        return false;
    name = dialog.name_;
    return true;
}
