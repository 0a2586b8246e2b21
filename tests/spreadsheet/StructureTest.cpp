#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <gtest/gtest.h>

using namespace spreadtest;

namespace {

class StructureTest : public SpreadTest {
protected:
    // What the sheet told its dialog (focus changes of other controls left out).
    std::vector<uitest::Note> sheetNotes() const {
        std::vector<uitest::Note> notes;
        for (const uitest::Note& note : dialog.notes) {
            if (note.id == kSheetId)
                notes.push_back(note);
        }
        return notes;
    }
};

TEST_F(StructureTest, InsertRowBeyondOneAfterTheLastDoesNothing) {
    makeSheet(2, 3, true);
    EXPECT_FALSE(spread.insertRow(5));
    EXPECT_FALSE(spread.insertRow(0));
    EXPECT_EQ(spread.maxRows(), 3);
    EXPECT_FALSE(spread.SSGetBool(Vdn_Spread::kOptionChanged));
    ASSERT_TRUE(spread.insertRow(4));
    EXPECT_EQ(spread.maxRows(), 4);
    EXPECT_EQ(column(1), (Vdn_StringArray{L"r1c1", L"r2c1", L"r3c1", L""}));
}

TEST_F(StructureTest, InsertRowPushesRowsDownAndCopiesTheNextOnRequest) {
    makeSheet(2, 3, true);
    ASSERT_TRUE(spread.setNumberCells(1, 2, 2, 2, 3));
    ASSERT_TRUE(spread.insertRow(2));
    EXPECT_EQ(column(1), (Vdn_StringArray{L"r1c1", L"", L"r2c1", L"r3c1"}));
    EXPECT_TRUE(spread.SSGetBool(Vdn_Spread::kOptionChanged));
    // The new row has the fonts: bold header, normal body.
    EXPECT_EQ(spread.sheet().format({0, 2})->font.weight, FW_BOLD);
    EXPECT_EQ(spread.sheet().format({1, 2})->font.face, L"Tahoma");
    EXPECT_EQ(spread.cellType(1, 2), 0);

    ASSERT_TRUE(spread.insertRow(2, false, true));
    EXPECT_EQ(spread.cellType(1, 2), 0) << "copied from the empty row below";
    // Rows are now r1, new, new, r2 (numbers), r3.
    ASSERT_TRUE(spread.insertRow(4, false, true));
    EXPECT_EQ(spread.cellType(2, 4), grid::CellType::kNumberCode);
    EXPECT_EQ(cell(1, 4), L"r2c1");
}

TEST_F(StructureTest, InsertAsksForTheNameThroughThePrompt) {
    makeSheet(2, 2);
    user.expectModal(Vdn_DlgPromptString::IDD,
                     [](CDialog& prompt, ui::UserActions& act) {
                         EXPECT_EQ(prompt.GetWindowText(), L"Naam invoeren");
                         std::wstring text;
                         prompt.GetDlgItemText(Vdn_DlgPromptString::kLabel, text);
                         EXPECT_EQ(text, L"Naam van de nieuwe rij:");
                         prompt.GetDlgItemText(Vdn_DlgPromptString::kValueEdit, text);
                         EXPECT_EQ(text, L"Nieuw");
                         prompt.GetDlgItemText(IDOK, text);
                         EXPECT_EQ(text, L"Ok");
                         act.enterText(Vdn_DlgPromptString::kValueEdit, L"Flens");
                         act.click(IDOK);
                     })
        .expectModal(Vdn_DlgPromptString::IDD, [](CDialog& prompt, ui::UserActions& act) {
            std::wstring text;
            prompt.GetDlgItemText(Vdn_DlgPromptString::kLabel, text);
            EXPECT_EQ(text, L"Naam van de nieuwe kolom:");
            act.click(IDCANCEL);
        });
    ASSERT_TRUE(spread.insertRow(1, true));
    EXPECT_EQ(cell(H, 1, 0), L"Flens");
    ASSERT_TRUE(spread.insertCol(2, true));
    EXPECT_EQ(spread.maxCols(), 3);
    EXPECT_EQ(cell(2, H, 0), L"");
}

TEST_F(StructureTest, AppendRowCopiesThePreviousRow) {
    makeSheet(2, 1, true);
    ASSERT_TRUE(spread.setCheckBoxCell(2, 1));
    EXPECT_EQ(spread.appendRow(true), 2);
    EXPECT_EQ(spread.cellType(2, 2), Vdn_Spread::kCheckBoxType);
    EXPECT_EQ(cell(1, 2), L"r1c1");
    EXPECT_EQ(spread.appendRow(), 3);
    EXPECT_EQ(cell(1, 3), L"");
    EXPECT_TRUE(spread.SSGetBool(Vdn_Spread::kOptionChanged));
}

TEST_F(StructureTest, DeletingShrinksTheSheet) {
    makeSheet(3, 3, true);
    EXPECT_FALSE(spread.deleteRow(4));
    ASSERT_TRUE(spread.deleteRow(2));
    EXPECT_EQ(column(1), (Vdn_StringArray{L"r1c1", L"r3c1"}));
    ASSERT_TRUE(spread.deleteCol(1));
    EXPECT_EQ(spread.maxCols(), 2);
    EXPECT_EQ(column(1), (Vdn_StringArray{L"r1c2", L"r3c2"}));
    ASSERT_TRUE(spread.SSSetActiveCell(1, 2));
    ASSERT_TRUE(spread.deleteActiveRow());
    EXPECT_EQ(spread.maxRows(), 1);
    EXPECT_TRUE(spread.SSGetBool(Vdn_Spread::kOptionChanged));
}

TEST_F(StructureTest, MovingRowsTakesNamesAndReferencesAlong) {
    struct Case {
        int first;
        int last;
        int to;
        Vdn_StringArray order;
    };
    const Case cases[] = {
        {2, 2, 4, {L"r1c1", L"r3c1", L"r4c1", L"r2c1", L"r5c1"}},
        {4, 4, 2, {L"r1c1", L"r4c1", L"r2c1", L"r3c1", L"r5c1"}},
        {1, 2, 4, {L"r3c1", L"r4c1", L"r5c1", L"r1c1", L"r2c1"}},
        {3, 5, 1, {L"r3c1", L"r4c1", L"r5c1", L"r1c1", L"r2c1"}},
        {2, 3, 2, {L"r1c1", L"r2c1", L"r3c1", L"r4c1", L"r5c1"}},
    };
    for (const Case& c : cases) {
        makeSheet(2, 5, true);
        ASSERT_TRUE(spread.setRowNames({L"n1", L"n2", L"n3", L"n4", L"n5"}));
        ASSERT_TRUE(spread.moveRows(c.first, c.last, c.to)) << c.first << "->" << c.to;
        EXPECT_EQ(column(1), c.order) << c.first << "->" << c.to;
        Vdn_StringArray names;
        spread.getRowNames(names);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(names[i].substr(1), c.order[i].substr(1, 1));
        EXPECT_EQ(spread.maxRows(), 5);
    }
    makeSheet(2, 5, true);
    ASSERT_TRUE(spread.SSSetFormula(2, 1, L"A2"));
    ASSERT_TRUE(spread.moveRows(2, 2, 4));
    EXPECT_EQ(cell(2, 1, 1), L"A4");
    EXPECT_FALSE(spread.moveRows(4, 5, 5));
    EXPECT_FALSE(spread.moveRows(3, 2, 1));
}

TEST_F(StructureTest, ActiveRowMovesUpAndDownWithinTheSheet) {
    makeSheet(1, 3, true);
    ASSERT_TRUE(spread.SSSetActiveCell(1, 1));
    EXPECT_FALSE(spread.moveActiveRowUp());
    ASSERT_TRUE(spread.moveActiveRowDown());
    EXPECT_EQ(spread.activeRow(), 2);
    EXPECT_EQ(column(1), (Vdn_StringArray{L"r2c1", L"r1c1", L"r3c1"}));
    ASSERT_TRUE(spread.moveActiveRowDown());
    EXPECT_FALSE(spread.moveActiveRowDown());
    ASSERT_TRUE(spread.moveActiveRowUp());
    EXPECT_EQ(column(1), (Vdn_StringArray{L"r2c1", L"r1c1", L"r3c1"}));
}

TEST_F(StructureTest, GrowingWithCopyLastCopiesFormatsAndKeepsTheOldLastRowsFont) {
    makeSheet(2, 2);
    ASSERT_TRUE(spread.setNumberCells(2, 2, 2, 2, 1));
    ASSERT_TRUE(spread.setCellText(2, 2, L"5"));
    ASSERT_TRUE(spread.lockCell(1, 2, true));
    ASSERT_TRUE(spread.setFontRange(1, 2, 2, 2, true));
    ASSERT_TRUE(spread.setMaxRows(4, true));
    EXPECT_EQ(spread.cellType(2, 4), grid::CellType::kNumberCode);
    EXPECT_TRUE(spread.SSGetLock(1, 3));
    EXPECT_EQ(cell(2, 3), L"") << "formats only, no data";
    EXPECT_EQ(spread.sheet().format({1, 2})->font.weight, FW_BOLD);
    EXPECT_EQ(spread.sheet().format({1, 3})->font.weight, FW_NORMAL);
    EXPECT_EQ(spread.sheet().format({0, 4})->font.weight, FW_BOLD);
    ASSERT_TRUE(spread.setMaxRows(1));
    EXPECT_EQ(spread.maxRows(), 1);
}

TEST_F(StructureTest, MergeEqualCellsJoinsRunsButNeverEmptyCells) {
    struct Case {
        Vdn_StringArray values;
        std::vector<grid::CellRange> spans;
    };
    const Case cases[] = {
        {{L"A", L"A", L"B", L"B", L"B"}, {{{1, 1}, {1, 2}}, {{1, 3}, {1, 5}}}},
        {{L"", L"", L"A", L"", L"A"}, {}},
        {{L"A", L"B", L"", L"C", L"C"}, {{{1, 4}, {1, 5}}}},
        {{L"A", L"a", L"A", L"A", L"x"}, {{{1, 3}, {1, 4}}}},
    };
    for (const Case& c : cases) {
        makeSheet(2, 5);
        ASSERT_TRUE(spread.SSAddCellSpan(1, 1, 1, 5)) << "an old span goes first";
        ASSERT_TRUE(spread.setColumnTexts(1, c.values));
        ASSERT_TRUE(spread.mergeEqualCells(1));
        EXPECT_EQ(spread.sheet().spans(), c.spans) << c.values;
        ASSERT_TRUE(spread.removeSpans(1));
        EXPECT_TRUE(spread.sheet().spans().empty());
    }
    ASSERT_TRUE(spread.SSAddCellSpan(2, 1, 1, 2));
    ASSERT_TRUE(spread.SSAddCellSpan(1, H, 2, 1));
    ASSERT_TRUE(spread.removeAllSpans());
    EXPECT_TRUE(spread.sheet().spans().empty());
}

TEST_F(StructureTest, LinkedCheckColumnFollowsTheUsersClicks) {
    makeSheet(2, 3);
    ASSERT_TRUE(spread.setCheckBoxColumn(1));
    ASSERT_TRUE(spread.setColumnBools(1, Vdn_Array<bool>({false, true, false})));
    EXPECT_FALSE(spread.linkCheckColumn(1, 3));
    ASSERT_TRUE(spread.linkCheckColumn(1, 2));
    EXPECT_TRUE(spread.SSGetLock(2, 1));
    EXPECT_FALSE(spread.SSGetLock(2, 2));

    dialog.clearNotes();
    ASSERT_TRUE(spread.userClick(1, 3));
    EXPECT_EQ(cell(1, 3), L"1");
    EXPECT_FALSE(spread.SSGetLock(2, 3));
    int col = 0, row = 0;
    ASSERT_TRUE(spread.getActiveCell(col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(sheetNotes(), (std::vector<uitest::Note>{uitest::command(kSheetId, 60)}));
    ASSERT_TRUE(spread.userClick(1, 3));
    EXPECT_TRUE(spread.SSGetLock(2, 3));

    // Code that sets a check notifies nobody; the lock stays until the next user action.
    dialog.clearNotes();
    ASSERT_TRUE(spread.setCheck(1, 1, true));
    EXPECT_TRUE(sheetNotes().empty());
    EXPECT_TRUE(spread.SSGetLock(2, 1));
}

TEST_F(StructureTest, TypingNotifiesTheParentOnce) {
    makeSheet(2, 2);
    dialog.clearNotes();
    ASSERT_TRUE(spread.userType(1, 1, L"12"));
    ASSERT_TRUE(spread.userType(1, 1, L"12")) << "no change, no notification";
    EXPECT_EQ(sheetNotes(), (std::vector<uitest::Note>{uitest::command(kSheetId, 59)}));
    ASSERT_TRUE(spread.lockCell(2, 2, true));
    EXPECT_FALSE(spread.userType(2, 2, L"x"));
    EXPECT_EQ(cell(2, 2), L"");
}

TEST_F(StructureTest, AllChecksInTheSelectedBlockToTheEnd) {
    makeSheet(3, 4);
    ASSERT_TRUE(spread.setCheckBoxColumn(2));
    ASSERT_TRUE(spread.setCellText(3, 3, L"7"));
    ASSERT_TRUE(spread.setSelection(2, 2, -1, -1));
    ASSERT_TRUE(spread.setAllChecks(true));
    EXPECT_EQ(column(2), (Vdn_StringArray{L"", L"1", L"1", L"1"}));
    EXPECT_EQ(cell(3, 3), L"7");
    ASSERT_TRUE(spread.setSelection(-1, -1, -1, -1));
    ASSERT_TRUE(spread.setAllChecks(false));
    EXPECT_EQ(column(2), (Vdn_StringArray{L"0", L"0", L"0", L"0"}));
}

TEST_F(StructureTest, CheckRowsPlaceLabelsAndChecksInPairs) {
    makeSheet(5, 2);
    ASSERT_TRUE(spread.setCheckRow({L"Gat", L"Las", L"Knip"}, Vdn_Array<bool>({true, false}), 2));
    Vdn_StringArray row;
    ASSERT_TRUE(spread.getRowTexts(2, row));
    EXPECT_EQ(row, (Vdn_StringArray{L"1", L"Gat", L"0", L"Las", L""}));
    EXPECT_FALSE(spread.setCheckRow({L"x"}, {}, 3));
}

} // namespace
