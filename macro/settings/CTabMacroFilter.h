#pragma once
// CTabMacroFilter: the first filter page of the macro settings (template 371): the filter
// switch, the axis-angle filters (upper group) and the section-angle filters (lower group).
// Each group lists its filters in a check-box list (ticked when enabled) and edits the chosen
// one beside it; choosing another filter first stores the shown one.

#include "macro/settings/MacroSettingsPage.h"
#include "platform/core/model/MacroSettingsData.h"
#include "platform/ui/controls/CCheckComboBox.h"
#include "spreadsheet/Vdn_Spread.h"

class CTabMacroFilter : public MacroSettingsPage {
public:
    static constexpr UINT IDD = 371;
    static constexpr int kSwitch = 2701;
    static constexpr int kAxisGroup = 2702;
    static constexpr int kAxisList = 2703;
    static constexpr int kAxisEnabled = 2704;
    static constexpr int kModeFirst = 2705;
    static constexpr int kModeSecond = 2706;
    static constexpr int kPictureFirst = 2707;
    static constexpr int kPictureSecond = 2708;
    static constexpr int kAngle1Label = 2709;
    static constexpr int kAngle1 = 2710;
    static constexpr int kAngle2Label = 2711;
    static constexpr int kAngle2 = 2712;
    static constexpr int kSectionGroup = 2713;
    static constexpr int kSectionList = 2714;
    static constexpr int kSectionEnabled = 2715;
    static constexpr int kSectionPicture = 2716;
    static constexpr int kPairs = 2717;
    static constexpr int kAddPair = 2718;
    static constexpr int kRemovePair = 2719;

    explicit CTabMacroFilter(CWnd* parent = nullptr);

    MacroSettingsData* data_ = nullptr;

    BOOL OnInitDialog() override;
    bool commit() override;

    int shownAxis() const { return axisShown_; }
    int shownSection() const { return sectionShown_; }
    Vdn_Spread& pairsSheet() { return pairs_; }

private:
    void chooseAxis();
    void chooseSection();
    // Ticks in a list are the filters' enabled flags.
    void takeTicks();
    void showAxis(int index);
    void storeAxis();
    void showSection(int index);
    void storeSection();
    void enableControls();

    CCheckComboBox axisList_;
    CCheckComboBox sectionList_;
    Vdn_Spread pairs_;
    int axisShown_ = -1;
    int sectionShown_ = -1;
};
