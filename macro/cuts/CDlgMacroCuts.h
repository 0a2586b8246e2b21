#pragma once
// CDlgMacroCuts: defines one parametric cut of a macro (template 223, size key
// "DLG_MACRO_CUTS"): its type from a picture combo, its name and description, its parameters
// in a sheet, the options of its type, and the module it goes into: one of this macro, or of
// another macro the user picks in the drawing. Editing a cut that exists (editExisting), the
// type and name cannot change and the module controls are hidden.
//
// The caller sets data_, runs DoModal and on OK takes data_ back; cancelled_ tells whether the
// user cancelled. OK refuses, keeping the dialog open with the user's input: an empty module
// name, an empty name for a new cut, a name the module uses already (without regard to case,
// whichever module choice), and parameter names that cannot name variables.

#include "macro/cuts/CutParameterGrid.h"
#include "platform/core/model/DlgMacroCutsData.h"
#include "platform/host/CAdUiBaseDialog.h"
#include "platform/ui/controls/CBitmapPickerCombo.h"
#include "platform/ui/graphics/CBitmap.h"

#include <array>

class CDlgMacroCuts : public CAdUiBaseDialog {
public:
    static constexpr UINT IDD = 223;
    static constexpr const wchar_t* kSizeKey = L"DLG_MACRO_CUTS";
    static constexpr int kTypeCombo = 1284;
    static constexpr int kNameEdit = 1000;
    static constexpr int kDescriptionEdit = 1001;
    static constexpr int kParameterGrid = 2603;
    static constexpr int kModuleLabel = 1280;
    static constexpr int kModuleCombo = 1282;
    static constexpr int kThisMacroRadio = 1285;
    static constexpr int kOtherMacroRadio = 1286;
    static constexpr int kSelectMacroButton = 1079;
    static constexpr int kFirstRadio = 1288;
    static constexpr int kSecondRadio = 1289;
    static constexpr int kThirdRadio = 1290;
    static constexpr int kTypeOptionCheck = 1323;
    static constexpr int kFlangesCheck = 1325;
    static constexpr int kWebCheck = 1326;
    static constexpr int kStateCombo = 1283;
    static constexpr int kTypeLabel = 2600;
    static constexpr int kNameLabel = 2601;
    static constexpr int kDescriptionLabel = 2602;
    static constexpr int kOptionsFrame = 2604;
    static constexpr int kSegmentsNote = 2605;
    static constexpr int kStateLabel = 2606;
    static constexpr int kNoOptionsNote = 2607;
    // The pictures of the six types, in the product folder's "icons\".
    static constexpr std::array<const wchar_t*, 6> kPictures = {
        L"CutProfvsPlate.bmp",         L"CutProfvsProf.bmp", L"CutProfinProf.bmp",
        L"CutProfvsProf3Segments.bmp", L"CutChamfer.bmp",    L"CutFillet.bmp"};

    explicit CDlgMacroCuts(CWnd* parent = nullptr);

    DlgMacroCutsData data_;
    bool cancelled_ = false;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The type the dialog shows (1 to 6).
    int shownType() const { return shownType_; }
    // The chosen radio of the three-way group: 1, 2 or 3.
    int radioChoice() const;

protected:
    void OnDestroy() override;

private:
    void setTexts();
    void fillTypes();
    void fillFromRecord();
    void fillModules();
    void typeChanged();
    void showOptions();
    void moduleChoiceClicked(bool otherMacro);
    void selectMacro();
    void storeToRecord();
    bool refuse(const Vdn_String& text);
    void setRadioChoice(int choice);
    void show(int id, bool visible);
    bool isShown(int id) const;

    std::array<CBitmap, 6> pictures_;
    CBitmapPickerCombo types_;
    CutParameterGrid grid_;
    int shownType_ = DlgMacroCutsData::kProfileVsPlate;
};
