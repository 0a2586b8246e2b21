#pragma once
// CMacroTabProf: the profile page of the macro dialog (template 219, "DLG_TAB_MACRO_PROF"), for
// a tab of kind 2. Like a general page it shows the tab's design and grid and runs the same
// value cycle; its own section edits one profile group's merged properties, or one profile of
// the group: section, offset type, rotation and base plane, with the section chooser, the
// advanced and segmented profile dialogs and a plane picked in the drawing.

#include "macro/dialog/CMacroTabGeneral.h"

class CMacroTabProf : public CMacroTabGeneral {
public:
    static constexpr UINT IDD = 219;
    static constexpr int kGroupCombo = 1212;
    static constexpr int kProfileCombo = 1213;
    static constexpr int kSectionCombo = 1221;
    static constexpr int kOffsetTypeCombo = 1219;
    static constexpr int kRotationCombo = 1316;
    static constexpr int kBasePlaneCombo = 1215;
    static constexpr int kSelectSection = 1222;
    static constexpr int kAdvanced = 1114;
    static constexpr int kSegmented = 1210;
    static constexpr int kPickPlane = 1223;
    static constexpr int kLabels[] = {1211, 1214, 1216, 1218, 1220, 1217};
    // The base-plane items: no plane (the world), the profile's own coordinate system, a
    // coordinate system picked in the drawing, undetermined.
    enum BasePlaneItem { kNoPlane = 0, kOwnCoordSys = 1, kPickedPlane = 2, kUndeterminedPlane = 3 };

    CMacroTabProf(MacroPageHost& host, int tabIndex, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    // The profile group chosen, and the profile (-1: all profiles of the group, edited as their
    // merged properties).
    const Vdn_String& group() const { return group_; }
    int profile() const { return profile_; }
    // The data the section edits: the group's merged properties or the one profile's record.
    bool editedData(MacroProfData& data) const;

protected:
    void fillSection() override;
    void refreshSection() override;
    void readSection(MacroTabData& tab) const override;
    std::vector<int> sectionIds() const override;
    CRect layoutSection(const CRect& client) override;
    bool designButtonClicked(const MacroBinding& binding) override;

private:
    bool writeEdited(MacroTabData& tab, const MacroProfData& data) const;
    bool sectionShown() const;
    void fillGroups();
    void fillProfiles();
    void chooseGroup();
    void chooseProfile();
    void chooseBasePlane();
    void selectSection(const Vdn_String& group);
    void openAdvanced(const Vdn_String& group);
    void openSegmented();

    Vdn_String group_;
    int profile_ = -1;
    std::vector<int> profileIndexes_; // the tab's profiles of the group, in combo order
    Vdn_StringArray sectionNames_;    // the system names behind the section combo's items
};
