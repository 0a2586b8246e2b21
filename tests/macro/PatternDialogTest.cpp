// The bolt pattern dialog: the alternation buttons, the two halves, one-direction patterns
// and applying through the tab's update.
#include "macro/bolts/CDlgMacroPattern.h"
#include "macro/bolts/PatternAlternation.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/macro/ValueCycleFixture.h"

namespace {

using macrotest::ValueCycleTest;
using Flags = PatternAlternation::Flags;
using Dlg = CDlgMacroPattern;

TEST(PatternAlternation, FlagsSelectOneButtonOrNone) {
    struct Case {
        Flags flags;
        int button;
    };
    const Case cases[] = {
        {{0, 0, 0}, 1}, {{0, 1, 1}, 1}, {{1, 1, 1}, 2},  {{1, 0, 0}, 3},
        {{1, 0, 1}, 4}, {{1, 1, 0}, 5}, {{-1, 0, 0}, 0}, {{1, 1, -1}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PatternAlternation::buttonOf(c.flags), c.button)
            << c.flags[0] << c.flags[1] << c.flags[2];
}

TEST(PatternAlternation, ButtonsGiveTheirFlags) {
    struct Case {
        PatternAlternation::ButtonStates states;
        Flags flags;
    };
    const Case cases[] = {
        {{1, 0, 0, 0, 0}, {0, 0, 0}},    {{0, 1, 0, 0, 0}, {1, 1, 1}},
        {{0, 0, 1, 0, 0}, {1, 0, 0}},    {{0, 0, 0, 1, 0}, {1, 0, 1}},
        {{0, 0, 0, 0, 1}, {1, 1, 0}},    {{0, 0, 0, 0, 0}, {1, 0, 0}},
        {{0, 2, 0, 0, 0}, {-1, -1, -1}}, {{1, 0, 0, 0, 2}, {-1, -1, -1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PatternAlternation::flagsOf(c.states), c.flags);
    // Every button read back selects itself again.
    for (int button = 1; button <= PatternAlternation::kButtons; ++button)
        EXPECT_EQ(PatternAlternation::buttonOf(PatternAlternation::flagsOfButton(button)), button);
}

std::wstring textOf(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->GetWindowText();
}

bool enabled(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->IsWindowEnabled() != FALSE;
}

TEST_F(ValueCycleTest, PatternDialogShowsBothHalvesAndAppliesEachChange) {
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(textOf(shown, Dlg::halfControl(0, Dlg::kSecondEdit)), L"3");
        EXPECT_EQ(textOf(shown, Dlg::halfControl(0, Dlg::kFirstEdit)), L"40");
        EXPECT_TRUE(enabled(shown, Dlg::halfControl(0, Dlg::kFirstEdit)));
        // The second direction's edge distance is not fixed, so its edit is not in use.
        EXPECT_FALSE(enabled(shown, Dlg::halfControl(1, Dlg::kFirstEdit)));
        // Alternation (1, 0, 1) shows button 4 pressed.
        for (int b = 0; b < 5; ++b)
            EXPECT_EQ(shown.IsDlgButtonChecked(Dlg::kFirstAlternation + b), b == 3 ? 1u : 0u);

        act.click(Dlg::kFirstAlternation + 1);
        EXPECT_EQ(boltModule().patterns[0].alternation, (std::array<bool, 3>{true, true, true}));
        EXPECT_EQ(shown.IsDlgButtonChecked(Dlg::kFirstAlternation + 3), 0u);

        act.enterText(Dlg::halfControl(1, Dlg::kSecondEdit), L"4");
        act.setFocus(Dlg::halfControl(0, Dlg::kSecondEdit));
        EXPECT_EQ(boltModule().patterns[0].nrBolts[1], L"4");

        act.selectComboItem(Dlg::halfControl(1, Dlg::kKindCombo), 2);
        EXPECT_EQ(boltModule().patterns[0].direction(1).spacing, 2);
        act.typeInCell(Dlg::halfControl(1, Dlg::kValuesGrid), 1, 2, L"60");
        EXPECT_EQ(boltModule().patterns[0].direction(1).distances,
                  (Vdn_StringArray{L"120", L"60"}));
        act.click(IDOK);
    });
    EXPECT_TRUE(DlgMacroPattern(*cycle, 0));
    EXPECT_EQ(host::CommandLine::instance().postedCommands(),
              (std::vector<std::wstring>{L"CANCELCMD"}));
}

// A pattern in one direction offers only its first half; what is disabled is never read, so
// the second direction, the mirror option and the alternation keep what the model holds.
TEST_F(ValueCycleTest, OneDirectionPatternIsReadFromItsEnabledControlsOnly) {
    const Vdn_BoltPattern before = boltModule().patterns[1];
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        for (int offset = Dlg::kGroup; offset <= Dlg::kValuesGrid; ++offset)
            EXPECT_FALSE(enabled(shown, Dlg::halfControl(1, offset))) << offset;
        EXPECT_FALSE(enabled(shown, Dlg::kOption));
        for (int b = 0; b < 5; ++b) {
            EXPECT_FALSE(enabled(shown, Dlg::kFirstAlternation + b));
            EXPECT_EQ(shown.IsDlgButtonChecked(Dlg::kFirstAlternation + b), 0u);
        }
        EXPECT_EQ(textOf(shown, Dlg::halfControl(1, Dlg::kSecondEdit)), L"");
        act.click(Dlg::halfControl(0, Dlg::kFlagCheck));
        act.click(IDOK);
    });
    EXPECT_TRUE(DlgMacroPattern(*cycle, 1));
    const Vdn_BoltPattern& after = boltModule().patterns[1];
    EXPECT_EQ(after.reverseStart, std::vector<bool>{false});
    EXPECT_EQ(after.alternation, before.alternation);
    EXPECT_EQ(after.mirrored, before.mirrored);
    EXPECT_EQ(after.nrBolts, before.nrBolts);
}

TEST_F(ValueCycleTest, PatternIndexOutsideTheListOpensNothing) {
    for (const int index : {-1, 2})
        EXPECT_FALSE(DlgMacroPattern(*cycle, index));
    EXPECT_TRUE(host::CommandLine::instance().postedCommands().empty());
}

// The undetermined kind and state keep the model's values, and the dialog shows them again.
TEST_F(ValueCycleTest, UndeterminedKindAndStateKeepTheModelsValues) {
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.selectComboItem(Dlg::halfControl(0, Dlg::kKindCombo), 3);
        EXPECT_EQ(boltModule().patterns[0].direction(0).spacing, 1);
        EXPECT_EQ(textOf(shown, Dlg::halfControl(0, Dlg::kKindCombo)), dialString(20878).str());
        act.click(Dlg::halfControl(0, Dlg::kStateCheck)); // 1 -> 2, undetermined
        EXPECT_TRUE(boltModule().patterns[0].direction(0).edgeFixed);
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(DlgMacroPattern(*cycle, 0));
}

} // namespace
