#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/dialogs/TemplateLibrary.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace spreadtest;

namespace {

using PlacingTest = SpreadTest;

TEST(SpreadTemplates, AreReadWithoutProblems) {
    ui::TemplateLibrary& library = ui::TemplateLibrary::instance();
    EXPECT_NE(library.findByName(L"DLG_FINDREPLACE"), nullptr);
    EXPECT_NE(library.find(8069), nullptr);
    EXPECT_TRUE(library.diagnostics().empty())
        << uitest::utf8(library.diagnostics().front().text());
}

TEST_F(PlacingTest, TakesThePlaceholdersPlaceShiftedForTheFrame) {
    CDialog fresh(kTestDialog);
    ASSERT_TRUE(fresh.Create(kTestDialog));
    CRect placeholder;
    fresh.GetDlgItem(kSheetId)->GetWindowRect(&placeholder);
    CRect frame;
    fresh.GetWindowRect(&frame);

    Vdn_Spread sheet;
    ASSERT_TRUE(sheet.attachToDlgItem(&fresh, kSheetId));
    EXPECT_EQ(fresh.GetDlgItem(kSheetId), &sheet);
    EXPECT_EQ(sheet.className(), L"fpUSpread70");
    EXPECT_EQ(sheet.GetParent(), &fresh);
    EXPECT_TRUE((sheet.GetStyle() & WS_VISIBLE) != 0);
    // Child rectangles are in client coordinates; the control's is the placeholder's window
    // rectangle relative to the dialog's window, 5 left and 20 up.
    CRect placed;
    sheet.GetWindowRect(&placed);
    fresh.ScreenToClient(&placed);
    CRect expected = placeholder;
    expected.OffsetRect(-frame.left - 5, -frame.top - 20);
    EXPECT_EQ(placed, expected);
    // Its place in the tab order is the placeholder's: after the edit, before OK.
    const auto& kids = fresh.children();
    const auto at = std::find(kids.begin(), kids.end(), &sheet);
    ASSERT_NE(at, kids.end());
    EXPECT_EQ((*(at - 1))->GetDlgCtrlID(), kEditId);
    EXPECT_EQ((*(at + 1))->GetDlgCtrlID(), IDOK);
}

TEST_F(PlacingTest, StartsEmptyWithAppearanceOneAndKeyActionsOff) {
    EXPECT_EQ(spread.maxRows(), 0);
    EXPECT_EQ(spread.maxCols(), 0);
    EXPECT_EQ(spread.SSGetAppearance(), 1);
    for (int action = 0; action <= 2; ++action) {
        bool shift = true, control = true;
        UINT key = 99;
        ASSERT_TRUE(spread.SSGetActionKey(action, shift, control, key)) << action;
        EXPECT_EQ(key, 0u);
        EXPECT_FALSE(shift || control);
    }
    bool shift = false, control = false;
    UINT key = 0;
    EXPECT_FALSE(spread.SSGetActionKey(3, shift, control, key));
}

TEST_F(PlacingTest, ExactRectKeepsTheRectangleOnAFramelessPage) {
    CDialog page(kTestPage);
    ASSERT_TRUE(page.Create(kTestPage, &dialog));
    CRect placeholder;
    page.GetDlgItem(kSheetId)->GetWindowRect(&placeholder);
    Vdn_Spread sheet;
    ASSERT_TRUE(sheet.attachToDlgItem(&page, kSheetId, true));
    CRect placed;
    sheet.GetWindowRect(&placed);
    EXPECT_EQ(placed, placeholder);
}

TEST_F(PlacingTest, RefusesAMissingPlaceholderAndASecondAttach) {
    Vdn_Spread other;
    EXPECT_FALSE(other.attachToDlgItem(&dialog, 4242));
    EXPECT_FALSE(other.isAttached());
    EXPECT_FALSE(other.attachToDlgItem(nullptr, kSheetId));
    EXPECT_FALSE(spread.attachToDlgItem(&dialog, kEditId));
    EXPECT_NE(dialog.GetDlgItem(kEditId), nullptr);
}

TEST(VdnSpreadDetached, EveryOperationFailsWithoutTheWindow) {
    Vdn_Spread spread;
    Vdn_String text = L"old";
    EXPECT_FALSE(spread.getCellText(1, 1, text));
    EXPECT_TRUE(text.isEmpty());
    bool checked = false;
    Vdn_StringArray names;
    int col = 0, row = 0, found = 0;
    Vdn_TabMsgHandle tab = tmhHandled;
    const std::vector<std::pair<const char*, std::function<bool()>>> failing = {
        {"setStandardLook", [&] { return spread.setStandardLook(1); }},
        {"setMaxRows", [&] { return spread.setMaxRows(3); }},
        {"setCellText", [&] { return spread.setCellText(1, 1, L"x"); }},
        {"getCheck", [&] { return spread.getCheck(1, 1, checked); }},
        {"setColumnTexts", [&] { return spread.setColumnTexts(1, {L"a"}); }},
        {"getRowNames", [&] { return spread.getRowNames(names); }},
        {"insertRow", [&] { return spread.insertRow(1); }},
        {"deleteCol", [&] { return spread.deleteCol(1); }},
        {"mergeEqualCells", [&] { return spread.mergeEqualCells(1); }},
        {"getActiveCell", [&] { return spread.getActiveCell(col, row); }},
        {"setAllChecks", [&] { return spread.setAllChecks(true); }},
        {"findInRow", [&] { return spread.findInRow(L"a", true, 1, 1, found); }},
        {"setSizeMode", [&] { return spread.setSizeMode(1); }},
        {"focusEdge", [&] { return spread.focusEdge(true); }},
        {"handleTabKey", [&] { return spread.handleTabKey(VK_TAB, tab); }},
    };
    for (const auto& [name, operation] : failing)
        EXPECT_FALSE(operation()) << name;
    EXPECT_EQ(tab, tmhNotHandled);
    EXPECT_EQ(spread.maxRows(), -1);
    EXPECT_EQ(spread.maxCols(), -1);
    EXPECT_EQ(spread.appendRow(), -1);
    EXPECT_EQ(spread.activeRow(), -1);
    EXPECT_EQ(spread.cellType(1, 1), -1);
    EXPECT_EQ(spread.replaceInCell(1, 1, L"a", L"b"), -1);
}

TEST_F(PlacingTest, StandardLookSetsOptionsColoursAndEnterAction) {
    struct Row {
        int editMode;
        bool option13;
        bool option10;
        int enterAction;
    };
    for (const Row& row : {Row{1, true, false, 0}, Row{0, false, true, 5}}) {
        ASSERT_TRUE(spread.setStandardLook(row.editMode));
        for (const int on : {8, 21, 22, 34, 32, 11, 3, 4, 18})
            EXPECT_TRUE(spread.SSGetBool(on)) << "option " << on;
        // 7 is automatic calculation: formulas compute when set, not on every change.
        for (const int off : {12, 7, 26})
            EXPECT_FALSE(spread.SSGetBool(off)) << "option " << off;
        EXPECT_EQ(spread.SSGetBool(13), row.option13);
        EXPECT_EQ(spread.SSGetBool(10), row.option10);
        EXPECT_EQ(spread.SSGetEditEnterAction(), row.enterAction);
    }
    COLORREF background = 0, foreground = 0;
    spread.SSGetSelColor(background, foreground);
    EXPECT_EQ(background, 0x6A240Au);
    EXPECT_EQ(foreground, 0xFFFFFFu);
    spread.SSGetGrayAreaColor(background, foreground);
    EXPECT_EQ(background, TSpread::kButtonFaceColour);
    EXPECT_EQ(foreground, 0x8000000Bu);
    spread.SSGetLockColor(background, foreground);
    EXPECT_EQ(background, 0xE6E6E6u);
    EXPECT_EQ(foreground, 0x8000000Bu);
    EXPECT_EQ(spread.SSGetIntSetting(1), -1);
}

TEST_F(PlacingTest, ControlMessage0x517IsAnsweredWithZeroAndNotPassedOn) {
    bool reachedBase = false;
    spread.onMessage(0x517, [&](WPARAM, LPARAM) -> LRESULT {
        reachedBase = true;
        return 7;
    });
    EXPECT_EQ(spread.SendMessage(0x517, 1, 2), 0);
    EXPECT_FALSE(reachedBase);
}

} // namespace
