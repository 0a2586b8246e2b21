#include "dialogs/CDlgProfFeatures.h"

#include "dialogs/CDlgSelectProf.h"
#include "dialogs/GridLevelsLookUpEntries.h"
#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kLevelsText = 329;
constexpr int kKeepProfileText = 695;
constexpr int kChooseText = 969;
constexpr int kProfileText = 1003;

Vdn_String typed(const CWnd& dialog, int id) {
    std::wstring text;
    dialog.GetDlgItemText(id, text);
    return Vdn_String(text);
}

// The name the combo shows for a profile: a user section without folder and extension, a
// table's size by its user name in the work language.
Vdn_String displayName(const Vdn_String& profile) {
    if (profile.startsWith(CDlgProfFeatures::kUserSections, false))
        return removeExtension(
            profile.substr(Vdn_String(CDlgProfFeatures::kUserSections).length()));
    Vdn_String userName;
    return gSectionTables.getUserName(profile, userName) && !userName.isEmpty() ? userName
                                                                                : profile;
}

// Fills a level combo with names, keeping the chosen name when it is still there.
void fillLevelCombo(CComboBox* combo, const Vdn_StringArray& names) {
    if (combo == nullptr)
        return;
    const int old = combo->GetCurSel();
    const std::wstring chosen = old >= 0 ? combo->GetLBText(old) : std::wstring();
    combo->ResetContent();
    for (const Vdn_String& name : names)
        combo->AddString(name.str());
    combo->SetCurSel(chosen.empty() ? -1 : combo->FindStringExact(-1, chosen));
}

void selectExact(CComboBox* combo, const Vdn_String& text) {
    if (combo != nullptr)
        combo->SetCurSel(text.isEmpty() ? -1 : combo->FindStringExact(-1, text.str()));
}

// The chosen entry of a level combo; false when none is chosen.
bool chosenLevel(CComboBox* combo, Vdn_String& level) {
    if (combo == nullptr || combo->GetCurSel() < 0)
        return false;
    level = Vdn_String(combo->GetLBText(combo->GetCurSel()));
    return true;
}

} // namespace

CDlgProfFeatures::CDlgProfFeatures(CWnd* parent) : CDialog(IDD, parent) {
    onCommand(kProfileButton, BN_CLICKED, [this] { chooseProfile(); });
    onCommand(kLevelsButton1, BN_CLICKED, [this] { editLevels(); });
    onCommand(kLevelsButton3, BN_CLICKED, [this] { editLevels(); });
    onCommand(kCheck, BN_CLICKED, [this] { swapRow3(); });
}

BOOL CDlgProfFeatures::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(mData.title.str());
    SetDlgItemText(kProfileLabel, dialString(kProfileText).str());
    SetDlgItemText(kProfileButton, dialString(kChooseText).str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    SetDlgItemText(kLabel1, mData.label1.str());
    SetDlgItemText(kLabel2, mData.label2.str());
    SetDlgItemText(kLabel3, mData.label3.str());
    SetDlgItemText(kLabel4, mData.label4.str());
    SetDlgItemText(kCheck, mData.checkCaption.str());
    const Vdn_String levelsText = dialString(kLevelsText) + L"...";
    SetDlgItemText(kLevelsButton1, levelsText.str());
    SetDlgItemText(kLevelsButton3, levelsText.str());

    mSwapsValue = !mData.altValue3.isEmpty();
    fillProfiles();
    fillLevels();
    showRows();
    show(kCheck, !mData.checkCaption.isEmpty());
    CheckDlgButton(kCheck, mData.checkState ? BST_CHECKED : BST_UNCHECKED);
    swapRow3();
    return TRUE;
}

void CDlgProfFeatures::fillProfiles() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kProfileCombo));
    if (combo == nullptr)
        return;
    mProfiles = Vdn_StringArray();
    if (mData.profile.startsWith(kUserSections, false)) {
        mProfiles.append(mData.profile);
    } else {
        const int dash = mData.profile.find(L"-");
        Vdn_ProfValuesTable table;
        if (table.readFromFile(dash < 0 ? mData.profile : mData.profile.substr(0, dash)))
            table.getFilteredSysNames(mProfiles);
    }
    combo->ResetContent();
    for (const Vdn_String& profile : mProfiles)
        combo->AddString(displayName(profile).str());
    combo->AddString(dialString(kKeepProfileText).str());
    selectExact(combo, displayName(mData.profile));
}

void CDlgProfFeatures::fillLevels() {
    fillLevelCombo(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo1)), mData.levelNames);
    if (mData.row3IsLevel) {
        fillLevelCombo(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo3)), mData.levelNames);
        show(kEdit3, false);
    } else {
        show(kLevelCombo3, false);
        show(kLevelsButton3, false);
    }
}

void CDlgProfFeatures::showRows() {
    const bool alternative = mData.checkState;
    if (mData.label1.isEmpty()) {
        for (const int id : {kLabel1, kLevelCombo1, kLevelsButton1})
            show(id, false);
    } else {
        selectExact(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo1)), mData.value1);
    }
    if (mData.label2.isEmpty()) {
        for (const int id : {kLabel2, kEdit2})
            show(id, false);
    } else {
        SetDlgItemText(kEdit2, mData.value2.str());
    }
    if (mData.label3.isEmpty()) {
        for (const int id : {kLabel3, kEdit3, kLevelCombo3, kLevelsButton3})
            show(id, false);
    } else if (mData.row3IsLevel) {
        selectExact(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo3)), mData.value3);
    } else {
        SetDlgItemText(kEdit3, (alternative ? mData.altValue3 : mData.value3).str());
        mEditShowsAlternative = alternative;
    }
    if (mData.label4.isEmpty()) {
        for (const int id : {kLabel4, kEdit4})
            show(id, false);
    } else {
        SetDlgItemText(kEdit4, mData.value4.str());
    }
}

bool CDlgProfFeatures::row3ShowsAlternative() const {
    return IsDlgButtonChecked(kCheck) == BST_CHECKED;
}

void CDlgProfFeatures::swapRow3() {
    if (mData.altLabel3.isEmpty())
        return;
    const bool alternative = row3ShowsAlternative();
    SetDlgItemText(kLabel3, (alternative ? mData.altLabel3 : mData.label3).str());
    if (!mSwapsValue || mData.row3IsLevel || mData.label3.isEmpty() ||
        alternative == mEditShowsAlternative)
        return;
    // The text typed for the value being left is kept for when it is shown again.
    (mEditShowsAlternative ? mData.altValue3 : mData.value3) = typed(*this, kEdit3);
    SetDlgItemText(kEdit3, (alternative ? mData.altValue3 : mData.value3).str());
    mEditShowsAlternative = alternative;
}

void CDlgProfFeatures::chooseProfile() {
    Vdn_String chosen;
    if (!DlgSelectProf(chosen, this))
        return;
    const Vdn_String libDir = gSettings.libDir();
    mData.profile = chosen.startsWith(libDir, false) ? chosen.substr(libDir.length()) : chosen;
    fillProfiles();
}

void CDlgProfFeatures::editLevels() {
    TfLevelsDlgData levels = mData.levels;
    if (!StartDlgLevels(levels))
        return;
    mData.setRealLevels(levels);
    mData.getAllLevels();
    fillLevels();
}

void CDlgProfFeatures::OnOK() {
    auto* profiles = dynamic_cast<CComboBox*>(GetDlgItem(kProfileCombo));
    const int chosen = profiles != nullptr ? profiles->GetCurSel() : -1;
    if (chosen >= 0 && chosen < mProfiles.length())
        mData.profile = mProfiles[chosen];
    if (!mData.checkCaption.isEmpty())
        mData.checkState = IsDlgButtonChecked(kCheck) == BST_CHECKED;

    if (!mData.label1.isEmpty())
        chosenLevel(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo1)), mData.value1);
    if (!mData.label2.isEmpty())
        mData.value2 = typed(*this, kEdit2);
    if (!mData.label3.isEmpty()) {
        Vdn_String& value = mData.checkState ? mData.altValue3 : mData.value3;
        if (mData.row3IsLevel)
            chosenLevel(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo3)), value);
        else
            value = typed(*this, kEdit3);
    }
    if (!mData.label4.isEmpty())
        mData.value4 = typed(*this, kEdit4);
    CDialog::OnOK();
}

void CDlgProfFeatures::show(int id, bool visible) {
    if (CWnd* control = GetDlgItem(id))
        control->ShowWindow(visible ? SW_SHOW : SW_HIDE);
}
