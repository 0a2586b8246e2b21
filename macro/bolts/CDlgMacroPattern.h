#pragma once
// CDlgMacroPattern: the settings of one bolt pattern of a bolt tab (template 385,
// "DLG_MACRO_PATTERN"). Two halves, one per direction (spacing kind, fixed edge distance,
// number of bolts, reverse start, the distances), the mirror option (1273) and the five
// alternation buttons. Every change is read back into the dialog's copy of the pattern and
// handed to the owner, which sends it through the tab's update; the dialog then shows the
// pattern as the model holds it. OK applies once more and closes; Cancel closes (what was
// applied stays applied, as everywhere in the macro dialog).
//
// A pattern in one direction has only its first half: the second, the mirror option and the
// alternation are disabled, not filled and never read.

#include "macro/cycle/MacroSubDialogOwner.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/graphics/CBitmap.h"
#include "spreadsheet/Vdn_Spread.h"

#include <array>

class CDlgMacroPattern : public CDialog {
public:
    static constexpr UINT IDD = 385;
    static constexpr int kOption = 1273;
    static constexpr int kAlternationGroup = 2919;
    static constexpr int kFirstAlternation = 2920; // buttons 1 to 5: 2920 to 2924
    // The controls of a half: its first id plus one of the offsets below; the first half
    // starts at 2925, the second at 2933.
    static constexpr int kFirstHalf = 2925;
    static constexpr int kSecondHalf = 2933;
    static constexpr int kGroup = 0;
    static constexpr int kKindCombo = 1;
    static constexpr int kStateCheck = 2;
    static constexpr int kFirstEdit = 3;
    static constexpr int kSecondLabel = 4;
    static constexpr int kSecondEdit = 5;
    static constexpr int kFlagCheck = 6;
    static constexpr int kValuesGrid = 7;

    static constexpr int halfControl(int direction, int offset) {
        return (direction == 0 ? kFirstHalf : kSecondHalf) + offset;
    }

    // owner may be null: the dialog then shows the pattern and applies nothing.
    CDlgMacroPattern(MacroSubDialogOwner* owner, int patternIndex, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    const MacroPatternProps& pattern() const { return pattern_; }

private:
    void fill();
    void fillHalf(int direction);
    void fillAlternation();
    void enableHalf(int direction, bool enabled);
    void enableFirstText(int direction);
    // Reads every control into the copy.
    void store();
    void storeHalf(int direction);
    // Stores, hands the copy to the owner and shows what the model made of it.
    void apply();
    void pressAlternation(int button);

    MacroSubDialogOwner* owner_;
    int index_;
    MacroPatternProps pattern_;
    std::array<Vdn_Spread, 2> grids_;
    std::array<CButtonST, 5> alternationButtons_;
    std::array<CBitmap, 5> alternationPictures_;
    bool filling_ = false;
};

// Opens the pattern dialog on the owner's pattern at index, with "CANCELCMD" posted to the
// host first and the module's resources switched in. A pattern index outside the tab's
// list opens nothing and gives false; otherwise true when the dialog closed with OK.
bool DlgMacroPattern(MacroSubDialogOwner& owner, int patternIndex, CWnd* parent = nullptr);
