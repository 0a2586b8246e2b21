#pragma once
// CDlgMacroProfAdv: the advanced settings of one profile, or of a group of profiles, of a macro
// (template 386, "DLG_MACRO_PROFADVANCED", resizable, its size kept under that name): the
// start section (and, for a morphed profile, the end section with two texts), the reference
// point as an offset type and as a 3 x 3 block of picture buttons, the rotation and a second
// value, the base plane or coordinate system, and three options. The dialog never changes the
// model itself: after every change it calls its caller back (TfMACallBackType), which applies
// the edited profile data and hands the resulting data back for display. Enter applies without
// closing; OK applies and closes; Cancel closes and applies nothing more.

#include "module/TfMACallBackData.h"
#include "module/TfMACallBackType.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/ResizableDialog.h"
#include "platform/ui/graphics/CBitmap.h"

#include <array>

class CDlgMacroProfAdv : public ResizableDialog {
public:
    static constexpr UINT IDD = 386;
    static constexpr const wchar_t* kSizeKey = L"DLG_MACRO_PROFADVANCED";

    static constexpr int kOffsetCombo = 1228;
    // The picture buttons of the reference point, button n (1 to 9) at position n - 1, row by
    // row from the top left.
    static constexpr std::array<int, 9> kOffsetButtons = {1232, 1236, 1237, 1049, 1050,
                                                          1051, 1052, 1053, 1054};
    static constexpr int kSectionPoint = 1229;
    static constexpr int kRotation = 1231;
    static constexpr std::array<int, 4> kRotationPresets = {1233, 2955, 2956, 2957};
    static constexpr std::array<int, 4> kPresetAngles = {0, 90, 180, 270};
    static constexpr int kSecondValue = 1235;
    // The base-plane choice.
    static constexpr int kWorld = 1243;
    static constexpr int kUndetermined = 1244;
    static constexpr int kPickedPlane = 1245;
    static constexpr int kChosenCoordSys = 1351;
    static constexpr int kOwnCoordSys = 1350;
    static constexpr int kPick = 1246;
    static constexpr int kCoordSysCombo = 2960;
    static constexpr int kAxisCombo = 2961;
    static constexpr int kOption = 1257;
    static constexpr int kMirrored = 1354;
    static constexpr int kExtended = 1224;
    static constexpr int kExtension = 1226;
    static constexpr int kStartSection = 2951;
    // The "Morphed" group: the end section and the two texts of a morphed profile.
    static constexpr int kEndSection = 2952;
    static constexpr int kMorphStartText = 1248;
    static constexpr int kMorphEndText = 1249;
    static constexpr std::array<int, 7> kMorphedGroup = {
        2963, 2964, kEndSection, 2965, kMorphStartText, 2966, kMorphEndText};

    // data: the record handed to every call of callback (a null callback applies nothing).
    CDlgMacroProfAdv(TfMACallBack callback, const TfMACallBackData& data, CWnd* parent = nullptr);

    // Shows the end-section controls whatever the profile data says.
    void setMorphed(bool morphed) { morphed_ = morphed; }
    // The option of check box 1257: its value, and whether the user may change it.
    void setOption(bool value, bool changeable) {
        option_ = value;
        optionChangeable_ = changeable;
    }
    bool option() const { return option_; }
    bool isMorphed() const { return morphed_; }

    const MacroProfData& profile() const { return profile_; }
    const TfMACallBackData& data() const { return data_; }

    // The offset-type index that button n (1 to 9) stands for, and the button (1 to 9) that
    // shows an index, 0 for none.
    static int indexOfButton(int button);
    static int buttonOfIndex(int index);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* msg) override;

private:
    void captions();
    void loadPictures();
    void hideMorphedGroup();
    void setLayout();
    void fill();
    void fillSection(int id, const Vdn_StringArray& sections, const Vdn_String& section);
    void fillCoordSystems();
    void showOffsetIndex(int index);
    void checkPlaneChoice(int choice);
    bool isAxisPlane() const;
    void enableForOffset(int index);
    void read();
    // Reads, calls back and refills; what the callback refuses leaves the shown values.
    void apply();
    // Calls the callback; on false the data and the profile data stay as they were.
    bool callBack(TfMACallBackType type);
    // Runs a pick in the drawing between callbacks 2 and 3 with the dialog hidden.
    template <typename Pick> bool pickInDrawing(Pick pick);

    void chooseOffsetButton(int button);
    void choosePreset(int angle);
    void chooseOwnCoordSys();
    void pickSectionPoint();
    void pickPlaneOrCoordSys();
    void editLeft(int id);
    Vdn_String sectionText(int id) const;

    TfMACallBack callback_;
    TfMACallBackData data_;
    MacroProfData profile_;
    bool morphed_ = false;
    bool option_ = false;
    bool optionChangeable_ = false;
    // The edits' texts as last filled, so that leaving an unchanged edit applies nothing.
    std::array<Vdn_String, 3> shownNumbers_;
    std::array<CButtonST, 9> offsetButtons_;
    std::array<CBitmap, 9> offsetPictures_;
};
