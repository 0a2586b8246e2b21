#include "dialogs/CDlgProfFeatures.h"

#include "dialogs/CDlgSelectProf.h"
#include "dialogs/GridLevelsLookUpEntries.h"
#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/FillCombo.h"
#include "platform/ui/dialogs/DialogValues.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kLevelsText = 329;
constexpr int kKeepProfileText = 695;
constexpr int kChooseText = 969;
constexpr int kProfileText = 1003;

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
    FillCombo(combo, names, old >= 0 ? Vdn_String(combo->GetLBText(old)) : Vdn_String());
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
    SetWindowText(data_.title.str());
    setNumberedItemTexts(*this, {{kProfileLabel, kProfileText},
                                 {kProfileButton, kChooseText},
                                 {IDOK, kOkText},
                                 {IDCANCEL, kCancelText}});
    SetDlgItemText(kLabel1, data_.label1.str());
    SetDlgItemText(kLabel2, data_.label2.str());
    SetDlgItemText(kLabel3, data_.label3.str());
    SetDlgItemText(kLabel4, data_.label4.str());
    SetDlgItemText(kCheck, data_.checkCaption.str());
    const Vdn_String levelsText = dialString(kLevelsText) + L"...";
    SetDlgItemText(kLevelsButton1, levelsText.str());
    SetDlgItemText(kLevelsButton3, levelsText.str());

    swapsValue_ = !data_.altValue3.isEmpty();
    fillProfiles();
    fillLevels();
    showRows();
    show(kCheck, !data_.checkCaption.isEmpty());
    CheckDlgButton(kCheck, data_.checkState ? BST_CHECKED : BST_UNCHECKED);
    swapRow3();
    return TRUE;
}

void CDlgProfFeatures::fillProfiles() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kProfileCombo));
    if (combo == nullptr)
        return;
    profiles_ = Vdn_StringArray();
    if (data_.profile.startsWith(kUserSections, false)) {
        profiles_.append(data_.profile);
    } else {
        const int dash = data_.profile.find(L"-");
        Vdn_ProfValuesTable table;
        if (table.readFromFile(dash < 0 ? data_.profile : data_.profile.substr(0, dash)))
            table.getFilteredSysNames(profiles_);
    }
    combo->ResetContent();
    for (const Vdn_String& profile : profiles_)
        combo->AddString(displayName(profile).str());
    combo->AddString(dialString(kKeepProfileText).str());
    selectExact(combo, displayName(data_.profile));
}

void CDlgProfFeatures::fillLevels() {
    fillLevelCombo(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo1)), data_.levelNames);
    if (data_.row3IsLevel) {
        fillLevelCombo(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo3)), data_.levelNames);
        show(kEdit3, false);
    } else {
        show(kLevelCombo3, false);
        show(kLevelsButton3, false);
    }
}

void CDlgProfFeatures::showRows() {
    const bool alternative = data_.checkState;
    if (data_.label1.isEmpty()) {
        for (const int id : {kLabel1, kLevelCombo1, kLevelsButton1})
            show(id, false);
    } else {
        selectExact(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo1)), data_.value1);
    }
    if (data_.label2.isEmpty()) {
        for (const int id : {kLabel2, kEdit2})
            show(id, false);
    } else {
        SetDlgItemText(kEdit2, data_.value2.str());
    }
    if (data_.label3.isEmpty()) {
        for (const int id : {kLabel3, kEdit3, kLevelCombo3, kLevelsButton3})
            show(id, false);
    } else if (data_.row3IsLevel) {
        selectExact(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo3)), data_.value3);
    } else {
        SetDlgItemText(kEdit3, (alternative ? data_.altValue3 : data_.value3).str());
        editShowsAlternative_ = alternative;
    }
    if (data_.label4.isEmpty()) {
        for (const int id : {kLabel4, kEdit4})
            show(id, false);
    } else {
        SetDlgItemText(kEdit4, data_.value4.str());
    }
}

bool CDlgProfFeatures::row3ShowsAlternative() const {
    return IsDlgButtonChecked(kCheck) == BST_CHECKED;
}

void CDlgProfFeatures::swapRow3() {
    if (data_.altLabel3.isEmpty())
        return;
    const bool alternative = row3ShowsAlternative();
    SetDlgItemText(kLabel3, (alternative ? data_.altLabel3 : data_.label3).str());
    if (!swapsValue_ || data_.row3IsLevel || data_.label3.isEmpty() ||
        alternative == editShowsAlternative_)
        return;
    // The text typed for the value being left is kept for when it is shown again.
    (editShowsAlternative_ ? data_.altValue3 : data_.value3) = dlgItemString(*this, kEdit3);
    SetDlgItemText(kEdit3, (alternative ? data_.altValue3 : data_.value3).str());
    editShowsAlternative_ = alternative;
}

void CDlgProfFeatures::chooseProfile() {
    Vdn_String chosen;
    if (!DlgSelectProf(chosen, this))
        return;
    const Vdn_String libDir = gSettings.libDir();
    data_.profile = chosen.startsWith(libDir, false) ? chosen.substr(libDir.length()) : chosen;
    fillProfiles();
}

void CDlgProfFeatures::editLevels() {
    TfLevelsDlgData levels = data_.levels;
    if (!StartDlgLevels(levels))
        return;
    data_.setRealLevels(levels);
    data_.getAllLevels();
    fillLevels();
}

void CDlgProfFeatures::OnOK() {
    auto* profiles = dynamic_cast<CComboBox*>(GetDlgItem(kProfileCombo));
    const int chosen = profiles != nullptr ? profiles->GetCurSel() : -1;
    if (chosen >= 0 && chosen < profiles_.length())
        data_.profile = profiles_[chosen];
    if (!data_.checkCaption.isEmpty())
        data_.checkState = IsDlgButtonChecked(kCheck) == BST_CHECKED;

    if (!data_.label1.isEmpty())
        chosenLevel(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo1)), data_.value1);
    if (!data_.label2.isEmpty())
        data_.value2 = dlgItemString(*this, kEdit2);
    if (!data_.label3.isEmpty()) {
        Vdn_String& value = data_.checkState ? data_.altValue3 : data_.value3;
        if (data_.row3IsLevel)
            chosenLevel(dynamic_cast<CComboBox*>(GetDlgItem(kLevelCombo3)), value);
        else
            value = dlgItemString(*this, kEdit3);
    }
    if (!data_.label4.isEmpty())
        data_.value4 = dlgItemString(*this, kEdit4);
    CDialog::OnOK();
}

void CDlgProfFeatures::show(int id, bool visible) {
    if (CWnd* control = GetDlgItem(id))
        control->ShowWindow(visible ? SW_SHOW : SW_HIDE);
}
