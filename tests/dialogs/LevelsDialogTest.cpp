// The levels dialog: showing and storing levels, adding with refused names, bases that would
// loop, deleting, and Cancel.
#include "dialogs/CDlgLevels.h"
#include "dialogs/GridLevelsLookUpEntries.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

struct LevelRow {
    Vdn_String name;
    Vdn_String base;
    double value1 = 0.0;
    double value2 = 0.0;
    friend bool operator==(const LevelRow&, const LevelRow&) = default;
    friend std::ostream& operator<<(std::ostream& out, const LevelRow& row) {
        return out << row.name << " on " << row.base << " " << row.value1 << " = " << row.value2;
    }
};

std::vector<LevelRow> rowsOf(const TfLevelsDlgData& data) {
    std::vector<LevelRow> rows;
    LevelRow row;
    for (int i = 0; data.getLevelData(i, row.name, row.base, row.value1, row.value2); ++i)
        rows.push_back(row);
    return rows;
}

std::vector<std::wstring> itemsOf(CDialog& shown, int id) {
    auto* combo = dynamic_cast<CComboBox*>(shown.GetDlgItem(id));
    std::vector<std::wstring> items;
    for (int i = 0; combo != nullptr && i < combo->GetCount(); ++i)
        items.push_back(combo->GetLBText(i));
    return items;
}

std::wstring textOf(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->GetWindowText();
}

class LevelsDialogTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        add(L"Floor", L"wcs", 0.0);
        add(L"First", L"Floor", 3600.0);
        add(L"Roof", L"First", 4200.0);
    }

    void add(const wchar_t* name, const wchar_t* base, double value) {
        int index = -1;
        ASSERT_TRUE(levels.addLevel(name, index));
        ASSERT_TRUE(levels.updateLevel(index, Vdn_String(base)));
        ASSERT_TRUE(levels.updateLevel(index, value));
    }

    // The next prompt for a name is answered with `name` (Cancel for nullptr).
    void answerPrompt(const wchar_t* name) {
        user.expectModal<Vdn_DlgPromptString>([name](Vdn_DlgPromptString&, ui::UserActions& act) {
            if (name == nullptr) {
                act.click(IDCANCEL);
                return;
            }
            act.enterText(Vdn_DlgPromptString::kValueEdit, name);
            act.click(IDOK);
        });
    }

    TfLevelsDlgData levels;
};

TEST_F(LevelsDialogTest, ShowsEachLevelAndStoresItsHeightWhenLeavingIt) {
    // Finer than the edit shows: kept while the height is left as shown.
    ASSERT_TRUE(levels.updateLevel(0, 0.0625));
    user.expectModal(CDlgLevels::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(itemsOf(shown, CDlgLevels::kLevelCombo),
                  (std::vector<std::wstring>{L"Floor", L"First", L"Roof"}));
        act.selectComboItem(CDlgLevels::kLevelCombo, 2);
        EXPECT_EQ(textOf(shown, CDlgLevels::kNameEdit), L"Roof");
        EXPECT_EQ(textOf(shown, CDlgLevels::kValueEdit), L"4200.000");
        EXPECT_EQ(textOf(shown, CDlgLevels::kAbsoluteEdit), L"7800.063");
        EXPECT_EQ(textOf(shown, CDlgLevels::kBaseCombo), L"First");
        // Levels that existed before keep their base; names never change here.
        EXPECT_FALSE(shown.GetDlgItem(CDlgLevels::kBaseCombo)->IsWindowEnabled());
        EXPECT_FALSE(shown.GetDlgItem(CDlgLevels::kNameEdit)->IsWindowEnabled());
        act.enterText(CDlgLevels::kValueEdit, L"4500");
        EXPECT_EQ(textOf(shown, CDlgLevels::kAbsoluteEdit), L"8100.063");
        act.selectComboItem(CDlgLevels::kLevelCombo, 1);
        act.enterText(CDlgLevels::kValueEdit, L"-0.25");
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgLevels(levels));
    EXPECT_EQ(rowsOf(levels), (std::vector<LevelRow>{{L"Floor", L"wcs", 0.0625, 0.0625},
                                                     {L"First", L"Floor", -0.25, -0.1875},
                                                     {L"Roof", L"First", 4500.0, 4499.8125}}));
}

// A height that is no number (a decimal comma among them) is refused when leaving the level,
// when adding and on OK; the level stays shown and nothing is stored.
TEST_F(LevelsDialogTest, RefusesAHeightThatIsNoNumber) {
    user.expectModal(CDlgLevels::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.enterText(CDlgLevels::kValueEdit, L"450,5");
        EXPECT_EQ(textOf(shown, CDlgLevels::kAbsoluteEdit), L"");
        user.expectMessageBox(IDOK, dialString(20102).str(), dialString(1478).str());
        act.selectComboItem(CDlgLevels::kLevelCombo, 2);
        EXPECT_EQ(textOf(shown, CDlgLevels::kNameEdit), L"Floor");
        EXPECT_EQ(textOf(shown, CDlgLevels::kLevelCombo), L"Floor");
        user.expectMessageBox(IDOK);
        act.click(CDlgLevels::kAddButton); // no prompt follows
        act.enterText(CDlgLevels::kValueEdit, L"inf");
        user.expectMessageBox(IDOK);
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        act.enterText(CDlgLevels::kValueEdit, L"450.5");
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgLevels(levels));
    EXPECT_EQ(rowsOf(levels)[0].value1, 450.5);
    EXPECT_EQ(rowsOf(levels)[2].value2, 450.5 + 3600 + 4200);
}

// Names in use (without regard to case), "wcs" and blanks are refused with a message and the
// prompt comes back with the refused name; an accepted name is added on "wcs" and shown, and
// its base may be chosen.
TEST_F(LevelsDialogTest, AddsALevelAfterRefusedNames) {
    user.expectModal(CDlgLevels::IDD, [&](CDialog& shown, ui::UserActions& act) {
        const std::wstring taken = dialString(857).str() + L".\n" + dialString(858).str() + L".";
        for (const wchar_t* refused : {L"wcs", L"WCS", L"first", L" Roof "}) {
            answerPrompt(refused);
            user.expectMessageBox(IDOK, taken, dialString(856).str());
        }
        answerPrompt(L"   ");
        user.expectMessageBox(IDOK, dialString(20105).str());
        user.expectModal<Vdn_DlgPromptString>(
            [](Vdn_DlgPromptString& prompt, ui::UserActions& act) {
                EXPECT_EQ(prompt.GetDlgItem(Vdn_DlgPromptString::kValueEdit)->GetWindowText(),
                          L"   "); // the refused name, to be corrected
                act.enterText(Vdn_DlgPromptString::kValueEdit, L" Mezzanine ");
                act.click(IDOK);
            });
        act.click(CDlgLevels::kAddButton);
        EXPECT_EQ(textOf(shown, CDlgLevels::kNameEdit), L"Mezzanine");
        EXPECT_EQ(textOf(shown, CDlgLevels::kLevelCombo), L"Mezzanine");
        EXPECT_TRUE(shown.GetDlgItem(CDlgLevels::kBaseCombo)->IsWindowEnabled());
        EXPECT_EQ(textOf(shown, CDlgLevels::kBaseCombo), L"wcs");
        act.selectComboText(CDlgLevels::kBaseCombo, L"Floor");
        act.enterText(CDlgLevels::kValueEdit, L"1800");
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgLevels(levels));
    ASSERT_EQ(rowsOf(levels).size(), 4u);
    EXPECT_EQ(rowsOf(levels)[3], (LevelRow{L"Mezzanine", L"Floor", 1800.0, 1800.0}));
    EXPECT_EQ(user.messageBoxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(LevelsDialogTest, GivesUpAfterTwentyRefusedNamesAndOnCancel) {
    const TfLevelsDlgData before = levels;
    user.expectModal(CDlgLevels::IDD, [&](CDialog& shown, ui::UserActions& act) {
        for (int i = 0; i < CDlgLevels::kMaxRefusedNames; ++i) {
            answerPrompt(L"Floor");
            user.expectMessageBox(IDOK);
        }
        act.click(CDlgLevels::kAddButton); // a 21st prompt would fail the script
        answerPrompt(nullptr);
        act.click(CDlgLevels::kAddButton);
        EXPECT_EQ(itemsOf(shown, CDlgLevels::kLevelCombo).size(), 3u);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgLevels(levels));
    EXPECT_EQ(levels, before);
}

// Only bases that keep the chains from looping are offered; a level that others rest on
// cannot be deleted; deleting shows the level before.
TEST_F(LevelsDialogTest, NeverLetsALevelRestOnItselfOrLoseItsBase) {
    user.expectModal(CDlgLevels::IDD, [&](CDialog& shown, ui::UserActions& act) {
        answerPrompt(L"A");
        act.click(CDlgLevels::kAddButton);
        answerPrompt(L"B");
        act.click(CDlgLevels::kAddButton);
        act.selectComboText(CDlgLevels::kBaseCombo, L"A");
        act.selectComboText(CDlgLevels::kLevelCombo, L"A");
        EXPECT_EQ(itemsOf(shown, CDlgLevels::kBaseCombo),
                  (std::vector<std::wstring>{L"wcs", L"Floor", L"First", L"Roof"}));

        const std::wstring stillABase = dialString(20104).str() + L"\nB";
        user.expectMessageBox(IDOK, stillABase);
        act.click(CDlgLevels::kDeleteButton);
        act.selectComboText(CDlgLevels::kLevelCombo, L"B");
        act.click(CDlgLevels::kDeleteButton);
        EXPECT_EQ(textOf(shown, CDlgLevels::kNameEdit), L"A");
        act.click(CDlgLevels::kDeleteButton);
        act.click(IDOK);
    });
    const std::vector<LevelRow> rows = rowsOf(levels);
    ASSERT_TRUE(StartDlgLevels(levels));
    EXPECT_EQ(rowsOf(levels), rows);
}

TEST_F(LevelsDialogTest, CancelLeavesTheLevelsAndAnEmptyListShowsNothing) {
    const TfLevelsDlgData before = levels;
    user.expectModal(CDlgLevels::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.enterText(CDlgLevels::kValueEdit, L"12");
        user.expectMessageBox(IDOK);
        act.click(CDlgLevels::kDeleteButton); // First rests on Floor
        act.selectComboItem(CDlgLevels::kLevelCombo, 2);
        for (int i = 0; i < 3; ++i)
            act.click(CDlgLevels::kDeleteButton); // Roof, then First, then Floor
        EXPECT_TRUE(itemsOf(shown, CDlgLevels::kLevelCombo).empty());
        EXPECT_EQ(textOf(shown, CDlgLevels::kNameEdit), L"");
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgLevels(levels));
    EXPECT_EQ(levels, before);

    TfLevelsDlgData empty;
    user.expectModal(CDlgLevels::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_FALSE(shown.GetDlgItem(CDlgLevels::kValueEdit)->IsWindowEnabled());
        EXPECT_FALSE(shown.GetDlgItem(CDlgLevels::kDeleteButton)->IsWindowEnabled());
        act.click(IDOK);
    });
    EXPECT_TRUE(StartDlgLevels(empty));
    EXPECT_TRUE(rowsOf(empty).empty());
}

} // namespace
