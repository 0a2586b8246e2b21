#pragma once
// CDlgMacroBoltAdv: the advanced bolt settings of a bolt tab (template 8140,
// "DLG_MACRO_BOLTADVANCED"): assembly and diameter, three texts, the washers flag (shown while
// the count is above 0), four three-state options, five options a bolt may lack (disabled
// then), the hole columns in a grid and the bolt rows, one shown at a time. Enter applies the
// settings without closing; OK applies them and closes; both only when every active bolt row
// has a distance and a pitch above 0 ("Ongeldige waarde" otherwise, the input kept). Applying
// hands the bolt data to the owner, which sends it through the tab's update, and shows the
// bolt data as the model then holds it. Without an owner nothing is applied.

#include "macro/cycle/MacroSubDialogOwner.h"
#include "platform/ui/controls/CCheckComboBox.h"
#include "platform/ui/controls/CResizer.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/graphics/CBitmap.h"
#include "spreadsheet/Vdn_Spread.h"

#include <array>

class CDlgMacroBoltAdv : public CDialog {
public:
    static constexpr UINT IDD = 8140;
    static constexpr const wchar_t* kSizeKey = L"DLG_MACRO_BOLTADVANCED";
    static constexpr int kHoleGrid = 1196;
    static constexpr int kPicture = 1178;
    static constexpr std::array<int, 3> kTexts = {1103, 1102, 1104};
    static constexpr int kFlag = 1343;
    static constexpr std::array<int, 4> kOptions = {1110, 1116, 1115, 1095};
    static constexpr std::array<int, 5> kOptionalOptions = {2904, 2905, 2906, 2907, 2908};
    static constexpr int kAssemblyCombo = 2900;
    static constexpr int kDiameterCombo = 2901;
    static constexpr int kEntryCombo = 2902;
    static constexpr int kEntryList = 2903;
    static constexpr int kEntryActive = 1120;
    static constexpr std::array<int, 4> kEntryTexts = {1119, 1118, 1022, 1125};
    // Labels: assembly, diameter, the three texts, the four entry texts, the entry list.
    static constexpr int kAssemblyLabel = 2909;
    static constexpr int kDiameterLabel = 2910;
    static constexpr int kFirstTextLabel = 2911;
    static constexpr int kFirstEntryLabel = 2914;
    static constexpr int kEntryListLabel = 2918;
    static constexpr const wchar_t* kInvalidCaption = L"Ongeldige waarde";

    // owner may be null; diameters are those merged for the tab (GetMergedDiameters).
    CDlgMacroBoltAdv(MacroSubDialogOwner* owner, const MacroBoltData& boltData,
                     const Vdn_StringArray& diameters, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    const MacroBoltData& boltData() const { return boltData_; }
    int shownEntry() const { return shownEntry_; }

protected:
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void captions();
    void fill();
    void fillDiameters(const Vdn_StringArray& diameters);
    void fillEntryCombo();
    void showEntry(int index);
    void enableEntry();
    void chooseEntry();
    void chooseAssembly();
    void store();
    void storeEntry();
    // The number (from 1) of the first active entry without a valid distance and pitch, or 0.
    int invalidEntry() const;
    // Stores, validates and applies; false when the validation refused (with its message) or
    // the model refused the bolt data.
    bool apply();

    MacroSubDialogOwner* owner_;
    MacroBoltData boltData_;
    Vdn_StringArray diameters_;
    int shownEntry_ = -1;
    Vdn_Spread holes_;
    CCheckComboBox entries_;
    CBitmap picture_;
    CResizer resizer_;
    bool resizerReady_ = false;
};

// Opens the advanced bolt dialog on the tab's bolt data with the module's resources switched
// in; the changes reach the model through the owner while it is open.
void DlgMacroBoltAdv(MacroSubDialogOwner* owner, const MacroBoltData& boltData,
                     const Vdn_StringArray& diameters, CWnd* parent = nullptr);
