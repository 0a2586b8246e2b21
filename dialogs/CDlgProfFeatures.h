#pragma once
// CDlgProfFeatures: a profile and up to four values the caller labels (template 241,
// "DLG_PROF_FEATURES"); see DlgProfFeaturesData. The profile combo offers the active sizes of
// the current profile's table (or the user section itself) and, last, an entry that keeps the
// profile as it is; the chooser button picks a profile from any table. Level rows choose from
// the drawing's levels, which the levels buttons edit. The caller sets data_, runs DoModal and
// on OK reads data_ back.
//
// Where the check box switches row 3 between its value and its alternative value, the text
// typed for the one is kept when the box shows the other, and both are stored on OK. A level
// combo left without a choice keeps its row's value.

#include "platform/core/model/DlgProfFeaturesData.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgProfFeatures : public CDialog {
public:
    static constexpr UINT IDD = 241;
    static constexpr int kProfileLabel = 1188;
    static constexpr int kProfileCombo = 1250;
    static constexpr int kProfileButton = 1251;
    static constexpr int kLabel1 = 1299;
    static constexpr int kLevelCombo1 = 1252;
    static constexpr int kLevelsButton1 = 1254;
    static constexpr int kLabel2 = 1301;
    static constexpr int kEdit2 = 1302;
    static constexpr int kLabel3 = 1303;
    static constexpr int kEdit3 = 1304;
    static constexpr int kLevelCombo3 = 1253;
    static constexpr int kLevelsButton3 = 1255;
    static constexpr int kLabel4 = 1305;
    static constexpr int kEdit4 = 1306;
    static constexpr int kCheck = 1018;
    static constexpr const wchar_t* kUserSections = L"User Sections\\";

    explicit CDlgProfFeatures(CWnd* parent = nullptr);

    DlgProfFeaturesData data_;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The profiles the combo offers, in combo order (the keep-as-is entry aside).
    const Vdn_StringArray& profiles() const { return profiles_; }

private:
    void fillProfiles();
    void fillLevels();
    void showRows();
    void swapRow3();
    void chooseProfile();
    void editLevels();
    void show(int id, bool visible);
    bool row3ShowsAlternative() const;

    Vdn_StringArray profiles_;
    bool swapsValue_ = false;           // the check box switches edit 1304's value too
    bool editShowsAlternative_ = false; // which row-3 value edit 1304 shows
};
