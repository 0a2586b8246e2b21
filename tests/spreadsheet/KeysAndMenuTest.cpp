#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <gtest/gtest.h>

using namespace spreadtest;

namespace {

class KeysTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        makeSheet(3, 3, true);
    }
    // Tab (or Shift+Tab) on the active cell col, row, with the focus in the sheet.
    Vdn_TabMsgHandle tabOn(int col, int row, unsigned modifiers = ui::NoModifier) {
        EXPECT_TRUE(spread.SSSetActiveCell(col, row));
        actions().setFocus(kSheetId);
        dialog.tabResults.clear();
        actions().pressKey(VK_TAB, modifiers);
        EXPECT_EQ(dialog.tabResults.size(), 1u);
        return dialog.tabResults.empty() ? tmhNotHandled : dialog.tabResults.front();
    }
};

TEST_F(KeysTest, TabReportsTheEdgesOfTheUnlockedCells) {
    ASSERT_TRUE(spread.lockCell(1, 1, true));
    ASSERT_TRUE(spread.lockCell(3, 3, true));
    struct Case {
        int col;
        int row;
        unsigned modifiers;
        Vdn_TabMsgHandle result;
    };
    const Case cases[] = {
        {2, 3, ui::NoModifier, tmhPastLast}, {2, 1, ui::Shift, tmhBeforeFirst},
        {2, 2, ui::NoModifier, tmhHandled},  {2, 2, ui::Shift, tmhHandled},
        {2, 1, ui::NoModifier, tmhHandled},  {2, 3, ui::Shift, tmhHandled},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tabOn(c.col, c.row, c.modifiers), c.result) << c.col << "," << c.row;
    // On the last cell the dialog moves on to its next control.
    tabOn(2, 3);
    EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(IDOK));
}

TEST_F(KeysTest, SpansCountAsTheirAnchor) {
    ASSERT_TRUE(spread.SSAddCellSpan(1, 3, 3, 1));
    EXPECT_EQ(tabOn(1, 3), tmhPastLast);
    ASSERT_TRUE(spread.lockCell(1, 3, true));
    EXPECT_EQ(tabOn(3, 2), tmhPastLast) << "the locked anchor locks the whole span";
    ASSERT_TRUE(spread.SSAddCellSpan(1, 1, 2, 1));
    EXPECT_EQ(tabOn(1, 1, ui::Shift), tmhBeforeFirst);
}

TEST_F(KeysTest, TabIsNotTheSheetsBusinessElsewhere) {
    Vdn_TabMsgHandle result = tmhHandled;
    actions().setFocus(kEditId);
    EXPECT_FALSE(spread.handleTabKey(VK_TAB, result));
    EXPECT_EQ(result, tmhNotHandled);
    actions().setFocus(kSheetId);
    EXPECT_FALSE(spread.handleTabKey(VK_RETURN, result));
    EXPECT_TRUE(spread.handleTabKey(VK_TAB, result));
    spread.ShowWindow(SW_HIDE);
    EXPECT_FALSE(spread.handleTabKey(VK_TAB, result));
}

TEST_F(KeysTest, FocusEdgeActivatesTheFirstOrLastUnlockedCell) {
    ASSERT_TRUE(spread.lockRow(1, true));
    ASSERT_TRUE(spread.lockCell(3, 3, true));
    int col = 0, row = 0;
    ASSERT_TRUE(spread.focusEdge(true));
    EXPECT_EQ(CWnd::GetFocus(), &spread);
    ASSERT_TRUE(spread.getActiveCell(col, row));
    EXPECT_EQ(std::pair(col, row), std::pair(1, 2));
    ASSERT_TRUE(spread.focusEdge(false));
    ASSERT_TRUE(spread.getActiveCell(col, row));
    EXPECT_EQ(std::pair(col, row), std::pair(2, 3));
    for (int c = 1; c <= 3; ++c)
        spread.lockColumn(c);
    EXPECT_FALSE(spread.focusEdge(true));
    spread.lockColumn(2, false);
    spread.ShowWindow(SW_HIDE);
    EXPECT_FALSE(spread.focusEdge(true));
}

TEST_F(KeysTest, F8SwitchesThePermanentEditModeWhenEnabled) {
    actions().setFocus(kSheetId);
    ASSERT_TRUE(spread.SSGetBool(Vdn_Spread::kOptionEditModePermanent));
    actions().pressKey(VK_F8);
    EXPECT_FALSE(spread.SSGetBool(Vdn_Spread::kOptionEditModePermanent));
    actions().pressKey(VK_F8);
    EXPECT_TRUE(spread.SSGetBool(Vdn_Spread::kOptionEditModePermanent));
    spread.functionKeysEnabled = false;
    actions().pressKey(VK_F8);
    EXPECT_TRUE(spread.SSGetBool(Vdn_Spread::kOptionEditModePermanent));
}

using MenuTest = KeysTest;

TEST_F(MenuTest, RightButtonShowsTheCodesWithTheirIdsAndRunsTheChoice) {
    ASSERT_TRUE(spread.setContextMenu({4, 1, 5, 2, 8, 9}));
    ASSERT_TRUE(spread.SSSetActiveCell(1, 2));
    user.expectMenuEntry(L"Rij verwijderen");
    ASSERT_TRUE(actions().rightClick(kSheetId));
    ASSERT_EQ(user.menus().size(), 1u);
    const auto& entries = user.menus()[0].entries;
    ASSERT_EQ(entries.size(), 6u);
    const std::vector<std::pair<std::wstring, UINT>> expected = {
        {L"Rij invoegen", 32811},    {L"", 0},
        {L"Rij verwijderen", 32812}, {L"Kopiëren", 32816},
        {L"Alles aanvinken", 32817}, {L"Alles uitvinken", 32818}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].text, expected[i].first) << i;
        EXPECT_EQ(entries[i].id, expected[i].second) << i;
    }
    EXPECT_TRUE(entries[1].separator);
    EXPECT_EQ(user.menus()[0].owner, &spread);
    EXPECT_EQ(column(1), (Vdn_StringArray{L"r1c1", L"r3c1"}));
}

TEST_F(MenuTest, CommandsMapBackToTheCodesWithoutSeparators) {
    ASSERT_TRUE(spread.setCheckBoxColumn(3));
    ASSERT_TRUE(spread.setContextMenu({1, 8, 1, 9, 5}));
    ASSERT_TRUE(spread.setSelection(3, 1, 3, 2));
    spread.SendMessage(WM_COMMAND, 32811);
    EXPECT_EQ(column(3), (Vdn_StringArray{L"1", L"1", L"r3c3"}));
    spread.SendMessage(WM_COMMAND, 32812);
    EXPECT_EQ(column(3), (Vdn_StringArray{L"0", L"0", L"r3c3"}));
    spread.SendMessage(WM_COMMAND, 32816);
    EXPECT_EQ(spread.maxRows(), 2) << "the selected row is deleted";
    spread.SendMessage(WM_COMMAND, 32817);
    EXPECT_EQ(spread.maxRows(), 2) << "no fourth entry";
}

TEST_F(MenuTest, NoMenuWithoutCodes) {
    ASSERT_TRUE(actions().rightClick(kSheetId));
    ASSERT_TRUE(spread.setContextMenu({}));
    ASSERT_TRUE(actions().rightClick(kSheetId));
    EXPECT_TRUE(user.menus().empty());
}

TEST_F(MenuTest, InsertColumnAsksItsNameAndCopyPastesCells) {
    ASSERT_TRUE(spread.setContextMenu({6, 2, 3}));
    ASSERT_TRUE(spread.SSSetActiveCell(2, 1));
    user.expectMenuEntry(L"Kolom invoegen")
        .expectModal(Vdn_DlgPromptString::IDD,
                     [](CDialog&, ui::UserActions& act) {
                         act.enterText(Vdn_DlgPromptString::kValueEdit, L"Extra");
                         act.click(IDOK);
                     })
        .expectMenuEntry(L"Kopiëren")
        .expectMenuEntry(L"Plakken");
    ASSERT_TRUE(actions().rightClick(kSheetId));
    EXPECT_EQ(spread.maxCols(), 4);
    EXPECT_EQ(cell(2, H, 0), L"Extra");
    EXPECT_EQ(cell(2, 1), L"r1c2") << "a copy of the next column";
    ASSERT_TRUE(spread.SSSetFormula(1, 3, L"A1&\"!\""));
    ASSERT_TRUE(spread.setSelection(1, 3, 1, 3));
    ASSERT_TRUE(actions().rightClick(kSheetId));
    ASSERT_TRUE(spread.setSelection(4, 2, 4, 2));
    ASSERT_TRUE(actions().rightClick(kSheetId));
    EXPECT_EQ(cell(4, 2, 1), L"A1&\"!\"");
    EXPECT_EQ(cell(4, 2), L"r1c1!");
}

} // namespace
