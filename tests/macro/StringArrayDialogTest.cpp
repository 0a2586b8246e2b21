// The string-table editor: what it shows, the rows it gives back, adding and removing rows,
// and the launcher's refusal without column headers.
#include "macro/select/CDlgStringArray.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/host/TempRegistry.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

class StringArrayDialogTest : public uitest::ScriptedUserTest {
protected:
    TempRegistry registry;
    Vdn_StringArray headers{L"Naam", L"Diameter"};
    Vdn_Array<Vdn_StringArray> rows{{L"M16", L"16"}, {L"M20", L"20"}};
};

TEST_F(StringArrayDialogTest, WithoutColumnHeadersNothingIsShown) {
    EXPECT_FALSE(startGridDialog({}, {}, rows, true, L"", L"Bouten"));
    EXPECT_TRUE(user.modals().empty());
    EXPECT_EQ(rows.length(), 2);
}

// A row longer than the headers widens the grid instead of losing its last texts; rows read
// back keep no empty cells past the headers.
TEST_F(StringArrayDialogTest, GridWidensToItsLongestRow) {
    rows.append(Vdn_StringArray{L"M24", L"24", L"10.9", L"verzinkt"});
    user.expectModal<CDlgStringArray>([](CDlgStringArray& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.GetWindowText(), L"Bouten");
        const Vdn_Spread& grid = shown.grid();
        EXPECT_EQ(grid.maxCols(), 4);
        EXPECT_EQ(grid.maxRows(), 3);
        Vdn_String text;
        grid.getCellText(4, 3, text);
        EXPECT_EQ(text, L"verzinkt");
        grid.getCellText(1, Vdn_Spread::kHeader, text);
        EXPECT_EQ(text, L"Naam");
        grid.getCellText(Vdn_Spread::kHeader, 2, text);
        EXPECT_EQ(text, L"b");
        act.typeInCell(CDlgStringArray::kGrid, 2, 1, L"16.0");
        act.click(IDOK);
    });
    ASSERT_TRUE(startGridDialog(headers, {L"a", L"b", L"c"}, rows, true, L"", L"Bouten"));
    const Vdn_Array<Vdn_StringArray> expected{
        {L"M16", L"16.0"}, {L"M20", L"20"}, {L"M24", L"24", L"10.9", L"verzinkt"}};
    EXPECT_EQ(rows, expected);
}

TEST_F(StringArrayDialogTest, RowsAreAddedAfterTheCurrentOneAndRemoved) {
    user.expectModal<CDlgStringArray>([](CDlgStringArray& shown, ui::UserActions& act) {
        act.clickCell(CDlgStringArray::kGrid, 2, 1);
        act.click(CDlgStringArray::kAddRow);
        int col = 0;
        int row = 0;
        ASSERT_TRUE(shown.grid().SSGetActiveCell(col, row));
        EXPECT_EQ(row, 2);
        act.typeInCell(CDlgStringArray::kGrid, 1, 2, L"M18");
        act.clickCell(CDlgStringArray::kGrid, 1, 3);
        act.click(CDlgStringArray::kRemoveRow);
        act.click(IDOK);
    });
    ASSERT_TRUE(startGridDialog(headers, {}, rows, true, L"", L""));
    const Vdn_Array<Vdn_StringArray> expected{{L"M16", L"16"}, {L"M18", L""}};
    EXPECT_EQ(rows, expected);
}

TEST_F(StringArrayDialogTest, FixedRowsHideTheRowButtonsAndCancelKeepsTheRows) {
    const Vdn_Array<Vdn_StringArray> before = rows;
    user.expectModal<CDlgStringArray>([](CDlgStringArray& shown, ui::UserActions& act) {
        EXPECT_FALSE(shown.GetDlgItem(CDlgStringArray::kAddRow)->IsWindowVisible());
        EXPECT_FALSE(shown.GetDlgItem(CDlgStringArray::kRemoveRow)->IsWindowVisible());
        act.typeInCell(CDlgStringArray::kGrid, 1, 1, L"M12");
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(startGridDialog(headers, {}, rows, false, L"BOLT_TABLE", L""));
    EXPECT_EQ(rows, before);
}

// Removing a row of an empty table does nothing; adding one gives row 1.
TEST_F(StringArrayDialogTest, AnEmptyTableTakesANewRow) {
    rows.clear();
    user.expectModal<CDlgStringArray>([](CDlgStringArray&, ui::UserActions& act) {
        act.click(CDlgStringArray::kRemoveRow);
        act.click(CDlgStringArray::kAddRow);
        act.typeInCell(CDlgStringArray::kGrid, 2, 1, L"30");
        act.click(IDOK);
    });
    ASSERT_TRUE(startGridDialog(headers, {}, rows, true, L"", L""));
    const Vdn_Array<Vdn_StringArray> expected{{L"", L"30"}};
    EXPECT_EQ(rows, expected);
}

} // namespace
