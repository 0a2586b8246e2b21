#include "macro/cuts/CDlgMacroCuts.h"

#include "macro/cuts/CutTexts.h"
#include "platform/core/files/ProductFiles.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/host/DrawingPicks.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"

#include <algorithm>
#include <utility>

namespace {

CComboBox* comboOf(CWnd& dialog, int id) {
    return dynamic_cast<CComboBox*>(dialog.GetDlgItem(id));
}

Vdn_String windowText(const CWnd& dialog, int id) {
    const CWnd* control = dialog.GetDlgItem(id);
    return control ? Vdn_String(control->GetWindowText()) : Vdn_String();
}

} // namespace

CDlgMacroCuts::CDlgMacroCuts(CWnd* parent) : CAdUiBaseDialog(IDD, parent) {
    onCommand(kTypeCombo, CBN_SELCHANGE, [this] { typeChanged(); });
    for (const int radio : {kFirstRadio, kSecondRadio, kThirdRadio})
        onCommand(radio, BN_CLICKED, [this] { showOptions(); });
    onCommand(kThisMacroRadio, BN_CLICKED, [this] { moduleChoiceClicked(false); });
    onCommand(kOtherMacroRadio, BN_CLICKED, [this] { moduleChoiceClicked(true); });
    onCommand(kSelectMacroButton, BN_CLICKED, [this] {
        CheckRadioButton(kThisMacroRadio, kOtherMacroRadio, kOtherMacroRadio);
        moduleChoiceClicked(true);
    });
}

BOOL CDlgMacroCuts::OnInitDialog() {
    CAdUiBaseDialog::OnInitDialog();
    ChangeDlgSize(this, kSizeKey);
    types_.SubclassDlgItem(kTypeCombo, this);
    grid_.attach(this, kParameterGrid);
    setTexts();
    fillTypes();
    if (CComboBox* states = comboOf(*this, kStateCombo)) {
        for (int state = 0; state < cuts::kCutStateCount; ++state)
            states->AddString(dialString(cuts::kFirstCutState + state).str());
    }
    fillFromRecord();
    if (data_.editExisting) {
        for (const int id : {kTypeCombo, kNameEdit})
            GetDlgItem(id)->EnableWindow(FALSE);
        for (const int id :
             {kThisMacroRadio, kOtherMacroRadio, kSelectMacroButton, kModuleLabel, kModuleCombo})
            show(id, false);
    }
    return TRUE;
}

void CDlgMacroCuts::setTexts() {
    SetWindowText(dialString(data_.editExisting ? cuts::kEditCutTitle : cuts::kNewCutTitle).str());
    for (const auto& [id, text] :
         {std::pair{kTypeLabel, cuts::kTypeLabel}, std::pair{kNameLabel, cuts::kNameLabel},
          std::pair{kDescriptionLabel, cuts::kDescriptionLabel},
          std::pair{kOptionsFrame, cuts::kOptionsFrame}, std::pair{kStateLabel, cuts::kStateLabel},
          std::pair{kNoOptionsNote, cuts::kNoOptions}, std::pair{kModuleLabel, cuts::kModuleLabel},
          std::pair{kThisMacroRadio, cuts::kThisMacro},
          std::pair{kOtherMacroRadio, cuts::kOtherMacro},
          std::pair{kSelectMacroButton, cuts::kSelectMacro},
          std::pair{kFlangesCheck, cuts::kBevelFlanges}, std::pair{kWebCheck, cuts::kBevelWeb},
          std::pair{static_cast<int>(IDOK), cuts::kOkText},
          std::pair{static_cast<int>(IDCANCEL), cuts::kCancelText}})
        SetDlgItemText(id, dialString(text).str());
}

void CDlgMacroCuts::fillTypes() {
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        CBitmap& picture = pictures_[i];
        // A picture that is missing leaves its item without one.
        const bool loaded =
            picture.loadFromFile(core::productFile(Vdn_String(L"icons\\") + kPictures[i]));
        types_.AddBitmap(loaded ? &picture : nullptr,
                         dialString(cuts::kFirstTypeCaption + static_cast<int>(i)).str());
    }
}

void CDlgMacroCuts::fillFromRecord() {
    // A cut type outside 1..6 shows type 1 so a damaged record never writes 0.
    shownType_ = DlgMacroCutsData::isCutType(data_.cutType) ? data_.cutType
                                                            : DlgMacroCutsData::kProfileVsPlate;
    types_.SetCurSel(shownType_ - 1);
    SetDlgItemText(kNameEdit, data_.cutName.str());
    SetDlgItemText(kDescriptionEdit, data_.description.str());
    grid_.fill(data_.paramNames, data_.paramValues, data_.paramFlags);

    if (CComboBox* states = comboOf(*this, kStateCombo))
        states->SetCurSel(std::clamp(data_.cutState, 0, cuts::kCutStateCount - 1));
    CheckDlgButton(kFlangesCheck, data_.bevelFlanges ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kWebCheck, data_.bevelWeb ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kTypeOptionCheck, data_.typeOption ? BST_CHECKED : BST_UNCHECKED);
    if (shownType_ == DlgMacroCutsData::kThreeSegments)
        setRadioChoice(!data_.segmentGiven ? 3 : data_.segmentProfile == 1 ? 2 : 1);
    else
        setRadioChoice(data_.plateFace == 1 ? 2 : 1);

    const bool other = data_.moduleChoice == DlgMacroCutsData::kOtherMacro;
    CheckRadioButton(kThisMacroRadio, kOtherMacroRadio, other ? kOtherMacroRadio : kThisMacroRadio);
    GetDlgItem(kModuleCombo)->EnableWindow(other ? FALSE : TRUE);
    fillModules();
    showOptions();
}

void CDlgMacroCuts::fillModules() {
    CComboBox* combo = comboOf(*this, kModuleCombo);
    if (combo == nullptr)
        return;
    const bool other = IsDlgButtonChecked(kOtherMacroRadio) == BST_CHECKED;
    Vdn_StringArray modules;
    data_.macros.GetAllMods(modules, other);
    combo->ResetContent();
    for (const Vdn_String& name : modules)
        combo->AddString(name.str());
    int chosen = data_.moduleName.isEmpty() ? -1 : modules.find(data_.moduleName, false);
    // Another macro's modules: the one named as before, else its first.
    if (chosen < 0 && other && !modules.isEmpty())
        chosen = 0;
    combo->SetCurSel(chosen);
}

int CDlgMacroCuts::radioChoice() const {
    if (IsDlgButtonChecked(kThirdRadio) == BST_CHECKED)
        return 3;
    return IsDlgButtonChecked(kSecondRadio) == BST_CHECKED ? 2 : 1;
}

void CDlgMacroCuts::setRadioChoice(int choice) {
    CheckRadioButton(kFirstRadio, kThirdRadio, kFirstRadio + std::clamp(choice, 1, 3) - 1);
}

void CDlgMacroCuts::typeChanged() {
    const int type = types_.GetCurSel() + 1;
    if (!DlgMacroCutsData::isCutType(type) || type == shownType_)
        return;
    shownType_ = type;
    data_.GetDefaultValues(type);
    grid_.fill(data_.paramNames, data_.paramValues, data_.paramFlags);
    // Type 1 has no third choice.
    if (type == DlgMacroCutsData::kProfileVsPlate && radioChoice() == 3)
        setRadioChoice(2);
    showOptions();
}

void CDlgMacroCuts::showOptions() {
    const int type = shownType_;
    const bool plate = type == DlgMacroCutsData::kProfileVsPlate;
    const bool segments = type == DlgMacroCutsData::kThreeSegments;
    const bool inProfile = type == DlgMacroCutsData::kProfileInProfile;
    const int radioTexts = segments ? cuts::kSegmentRadios : cuts::kPlateFaceRadios;
    for (int i = 0; i < 3; ++i)
        SetDlgItemText(kFirstRadio + i, dialString(radioTexts + i).str());
    show(kFirstRadio, plate || segments);
    show(kSecondRadio, plate || segments);
    show(kThirdRadio, segments);
    // The note belongs to a chosen profile; with the third choice the macro decides.
    const int choice = radioChoice();
    show(kSegmentsNote, segments && choice != 3);
    SetDlgItemText(
        kSegmentsNote,
        dialString(choice == 1 ? cuts::kSegmentsFirstNote : cuts::kSegmentsOtherNote).str());
    SetDlgItemText(kTypeOptionCheck,
                   dialString(inProfile ? cuts::kInnerClearance : cuts::kExtendToPlate).str());
    show(kTypeOptionCheck, plate || inProfile);
    for (const int id : {kFlangesCheck, kWebCheck, kStateLabel, kStateCombo})
        show(id, plate);
    show(kNoOptionsNote, !plate && !segments && !inProfile);
}

void CDlgMacroCuts::moduleChoiceClicked(bool otherMacro) {
    GetDlgItem(kModuleCombo)->EnableWindow(otherMacro ? FALSE : TRUE);
    if (otherMacro)
        selectMacro();
    else
        fillModules();
}

void CDlgMacroCuts::selectMacro() {
    BeginEditorCommand();
    data_.macros.UserSelectMacro(
        [](AcDbObjectId& id) { return host::pickObject(dialString(cuts::kPickPrompt), id); });
    CompleteEditorCommand();
    // Refilled either way: the choice shows the picked macro's modules, or none yet.
    fillModules();
}

void CDlgMacroCuts::storeToRecord() {
    if (!data_.editExisting) {
        data_.cutType = shownType_;
        data_.cutName = windowText(*this, kNameEdit).trim();
        data_.moduleChoice = IsDlgButtonChecked(kOtherMacroRadio) == BST_CHECKED
                                 ? DlgMacroCutsData::kOtherMacro
                                 : DlgMacroCutsData::kThisMacro;
        data_.moduleName = windowText(*this, kModuleCombo);
    }
    data_.description = windowText(*this, kDescriptionEdit);
    grid_.read(data_.paramNames.length(), data_.paramValues, data_.paramFlags);
    const int choice = radioChoice();
    if (shownType_ == DlgMacroCutsData::kProfileVsPlate) {
        data_.plateFace = choice == 2 ? 1 : 0;
        if (const CComboBox* states = comboOf(*this, kStateCombo);
            states && states->GetCurSel() >= 0)
            data_.cutState = states->GetCurSel();
        data_.bevelFlanges = IsDlgButtonChecked(kFlangesCheck) == BST_CHECKED;
        data_.bevelWeb = IsDlgButtonChecked(kWebCheck) == BST_CHECKED;
    } else if (shownType_ == DlgMacroCutsData::kThreeSegments) {
        data_.segmentGiven = choice != 3;
        data_.segmentProfile = choice == 2 ? 1 : 0;
    }
    if (shownType_ == DlgMacroCutsData::kProfileVsPlate ||
        shownType_ == DlgMacroCutsData::kProfileInProfile)
        data_.typeOption = IsDlgButtonChecked(kTypeOptionCheck) == BST_CHECKED;
}

bool CDlgMacroCuts::refuse(const Vdn_String& text) {
    MessageBox(text.str(), dialString(cuts::kCutCaption).str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CDlgMacroCuts::OnOK() {
    // The module name is asked for only where the user can give it.
    if (isShown(kModuleCombo) && windowText(*this, kModuleCombo).trim().isEmpty()) {
        refuse(dialString(cuts::kEmptyModule));
        return;
    }
    storeToRecord();
    if (!data_.editExisting && data_.cutName.isEmpty()) {
        refuse(dialString(cuts::kEmptyCutName));
        GetDlgItem(kNameEdit)->SetFocus();
        return;
    }
    // Two cuts whose names differ only in case cannot both live in one module, whichever
    // macro the module belongs to.
    if (data_.CutNameInUse()) {
        refuse(dialString(cuts::kNameInUseBefore) + L" \"" + data_.cutName + L"\" " +
               dialString(cuts::kNameInUseAfter));
        GetDlgItem(kNameEdit)->SetFocus();
        return;
    }
    if (!data_.AreVarNamesValid()) {
        refuse(dialString(cuts::kBadNames1) + L"\n" + dialString(cuts::kBadNames2) + L"\n" +
               dialString(cuts::kBadNames3) + L" \"gen_\".\n");
        return;
    }
    CAdUiBaseDialog::OnOK();
}

void CDlgMacroCuts::OnCancel() {
    cancelled_ = true;
    CAdUiBaseDialog::OnCancel();
}

void CDlgMacroCuts::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CAdUiBaseDialog::OnDestroy();
}

void CDlgMacroCuts::show(int id, bool visible) {
    if (CWnd* control = GetDlgItem(id))
        control->ShowWindow(visible ? SW_SHOW : SW_HIDE);
}

bool CDlgMacroCuts::isShown(int id) const {
    const CWnd* control = GetDlgItem(id);
    return control != nullptr && (control->GetStyle() & WS_VISIBLE) != 0;
}
