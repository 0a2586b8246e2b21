#include "GridTestSupport.h"
#include "platform/grid/sheet/SheetOption.h"

namespace grid::test {
namespace {

class SheetCells : public ::testing::Test {
protected:
    SheetCells() {
        sheet.setMaxCols(6);
        sheet.setMaxRows(8);
    }
    std::wstring value(CellRef ref) {
        return sheet.cellText(ref, TextKind::Value).value_or(L"<none>");
    }
    std::wstring shown(CellRef ref) {
        return sheet.cellText(ref, TextKind::Formatted).value_or(L"<none>");
    }

    Sheet sheet;
};

struct NumberCase {
    int decimals;
    const wchar_t* input; // set as text, or as a formula when it starts with '='
    const wchar_t* value;
    const wchar_t* formatted;
};

TEST_F(SheetCells, NumberCellValueIsRoundedToItsDecimalsWithoutTrailingZeros) {
    const NumberCase cases[] = {
        {2, L"12.5", L"12.5", L"12.50"},
        {2, L"400", L"400", L"400.00"},
        {7, L"=-1/3", L"-0.3333333", L"-0.3333333"},
        {2, L"2.675", L"2.68", L"2.68"},
        {2, L"-0.001", L"0", L"0.00"},
        {0, L"1E3", L"1000", L"1000"},
        {3, L"=1>0", L"1", L"1.000"},
        {2, L"99999999999999", L"99999999999999", L"99999999999999.00"},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(narrow(c.input));
        const CellRef ref{2, 2};
        ASSERT_TRUE(sheet.setCellType(
            CellRange::single(ref),
            CellType::number(0x10400000, c.decimals, -99999999999999.0, 99999999999999.0)));
        if (c.input[0] == L'=')
            ASSERT_TRUE(sheet.setFormula(ref, c.input));
        else
            ASSERT_TRUE(sheet.setCellText(ref, c.input));
        EXPECT_EQ(narrow(value(ref)), narrow(c.value));
        EXPECT_EQ(narrow(shown(ref)), narrow(c.formatted));
    }
}

TEST_F(SheetCells, NumberCellRefusesTextAndValuesOutsideItsRange) {
    const CellRange cell = CellRange::single({1, 1});
    sheet.setCellType(cell, CellType::number(0, 2, -10, 10));
    ASSERT_TRUE(sheet.setCellText({1, 1}, L"5"));
    EXPECT_FALSE(sheet.setCellText({1, 1}, L"abc"));
    EXPECT_FALSE(sheet.setCellText({1, 1}, L"11"));
    EXPECT_EQ(value({1, 1}), L"5");
    EXPECT_TRUE(sheet.setCellText({1, 1}, L""));
    EXPECT_EQ(sheet.cellValue({1, 1}), Value());
}

TEST_F(SheetCells, CellTypesTakeTextTheirOwnWay) {
    // A cell without a type stores numbers as numbers.
    sheet.setCellText({1, 1}, L"12");
    EXPECT_EQ(sheet.cellValue({1, 1}), Value::number(12));
    sheet.setCellText({1, 2}, L"12 apples");
    EXPECT_EQ(sheet.cellValue({1, 2}), Value::text(L"12 apples"));
    // An edit cell keeps text and cuts it to its length.
    sheet.setCellType(CellRange::single({2, 1}), CellType::edit(0x110000, 3));
    sheet.setCellText({2, 1}, L"12345");
    EXPECT_EQ(sheet.cellValue({2, 1}), Value::text(L"123"));
    // A check box holds 1 or 0; a formula giving TRUE reads as "1".
    sheet.setCellType(CellRange{{3, 1}, {3, 3}}, CellType::checkBox(768, L"", L"8136", L"8134"));
    sheet.setCellText({3, 1}, L"1");
    sheet.setCellText({3, 2}, L"0");
    sheet.setFormula({3, 3}, L"=2>1");
    EXPECT_EQ(value({3, 1}), L"1");
    EXPECT_EQ(value({3, 2}), L"0");
    EXPECT_EQ(value({3, 3}), L"1");
    EXPECT_EQ(sheet.cellTypeCode({3, 1}), CellType::kCheckBoxCode);
    EXPECT_EQ(sheet.cellTypeCode({4, 1}), CellType::kGeneralCode);
}

TEST_F(SheetCells, ErrorResultCannotBeReadAsValue) {
    ASSERT_TRUE(sheet.setFormula({1, 1}, L"=1/0"));
    EXPECT_EQ(sheet.cellText({1, 1}, TextKind::Value), std::nullopt);
    EXPECT_EQ(shown({1, 1}), L"#DIV/0!");
    EXPECT_EQ(sheet.cellText({1, 1}, TextKind::Formula), L"1/0");
}

TEST_F(SheetCells, TextKindsOfOneCell) {
    sheet.setFormula({2, 3}, L"=1+1");
    sheet.setTag({2, 3}, L"tag text");
    sheet.setNote({2, 3}, L"a note");
    EXPECT_EQ(sheet.cellText({2, 3}, TextKind::Formatted), L"2");
    EXPECT_EQ(sheet.cellText({2, 3}, TextKind::Formula), L"1+1");
    EXPECT_EQ(sheet.cellText({2, 3}, TextKind::Tag), L"tag text");
    EXPECT_EQ(sheet.cellText({2, 3}, TextKind::Value), L"2");
    EXPECT_EQ(sheet.note({2, 3}), L"a note");
    // Text replaces the formula.
    sheet.setCellText({2, 3}, L"x");
    EXPECT_EQ(sheet.cellText({2, 3}, TextKind::Formula), L"");
    EXPECT_EQ(sheet.cellText({2, 3}, TextKind::Tag), L"tag text");
    // An empty cell inside the sheet reads as empty text.
    EXPECT_EQ(sheet.cellText({6, 8}, TextKind::Formatted), L"");
}

TEST_F(SheetCells, HeadersAndCornerHoldTextsAndTags) {
    EXPECT_TRUE(sheet.setCellText({2, 0}, L"Width"));
    EXPECT_TRUE(sheet.setCellText({0, 3}, L"Row three"));
    EXPECT_TRUE(sheet.setTag({0, 0}, L"print settings"));
    EXPECT_EQ(sheet.cellText({2, 0}, TextKind::Value), L"Width");
    EXPECT_EQ(sheet.cellText({0, 3}, TextKind::Formatted), L"Row three");
    EXPECT_EQ(sheet.cellText({0, 0}, TextKind::Tag), L"print settings");
    EXPECT_FALSE(sheet.setFormula({2, 0}, L"=1").ok());
}

// Every operation given an index outside the sheet fails and changes nothing.
TEST_F(SheetCells, IndexesOutsideTheSheetFailAndChangeNothing) {
    sheet.setCellText({1, 1}, L"keep");
    const std::string before = sheet.writeTfs();
    const CellRef outside[] = {{7, 1}, {1, 9}, {-1, 1}, {1, -1}};
    for (const CellRef ref : outside) {
        SCOPED_TRACE(std::to_string(ref.col) + "," + std::to_string(ref.row));
        EXPECT_FALSE(sheet.setCellText(ref, L"x"));
        EXPECT_FALSE(sheet.setFormula(ref, L"=1").ok());
        EXPECT_FALSE(sheet.clearCell(ref));
        EXPECT_EQ(sheet.cellText(ref, TextKind::Formatted), std::nullopt);
        EXPECT_EQ(sheet.cellValue(ref), std::nullopt);
        EXPECT_FALSE(sheet.setTag(ref, L"x"));
        EXPECT_FALSE(sheet.setNote(ref, L"x"));
        EXPECT_FALSE(sheet.setCellType(CellRange::single(ref), CellType::edit(0, 10)));
        EXPECT_EQ(sheet.cellTypeCode(ref), -1);
        EXPECT_FALSE(sheet.setLocked(CellRange::single(ref), true));
        EXPECT_FALSE(sheet.isLocked(ref));
        EXPECT_FALSE(sheet.setFont(CellRange::single(ref), CellFont{L"Tahoma", 15, 700}));
        EXPECT_FALSE(sheet.addSpan(CellRange{{1, 1}, ref}));
        EXPECT_FALSE(sheet.setActiveCell(ref));
        EXPECT_FALSE(sheet.copyRange(CellRange::single({1, 1}), ref));
        EXPECT_FALSE(sheet.moveRange(CellRange::single(ref), {1, 1}));
        EXPECT_FALSE(sheet.recalculateCell(ref));
    }
    EXPECT_FALSE(sheet.setColumnWidth(7, 10));
    EXPECT_EQ(sheet.columnWidth(7), -1);
    EXPECT_FALSE(sheet.setRowHeight(9, 10));
    EXPECT_EQ(sheet.rowHeight(-1), -1);
    EXPECT_FALSE(sheet.setRowHidden(0, true));
    EXPECT_FALSE(sheet.setOption(64, true));
    EXPECT_FALSE(sheet.option(-1));
    EXPECT_FALSE(sheet.insertRows(0, 1));
    EXPECT_FALSE(sheet.insertRows(9, 1));
    EXPECT_FALSE(sheet.deleteColumns(7, 1));
    EXPECT_FALSE(sheet.setMaxRows(-1));
    EXPECT_FALSE(sheet.setSelection(CellRange{{0, 1}, {2, 2}}));
    EXPECT_EQ(sheet.writeTfs(), before);
}

TEST_F(SheetCells, FormatsApplyToBlocks) {
    const CellFont bold{L"Tahoma", 15, 700};
    ASSERT_TRUE(sheet.setFont(CellRange{{0, 0}, {6, 0}}, bold));
    ASSERT_TRUE(sheet.setLocked(CellRange{{1, 1}, {2, 8}}, true));
    ASSERT_TRUE(sheet.setColours(CellRange::single({3, 3}), 0xFFD1A4, 0));
    ASSERT_TRUE(
        sheet.setBorder(CellRange::single({3, 3}), CellBorder{31, 1, CellBorder::kDefaultColour}));
    EXPECT_EQ(sheet.format({4, 0})->font, bold);
    EXPECT_TRUE(sheet.isLocked({2, 8}));
    EXPECT_FALSE(sheet.isLocked({3, 1}));
    const CellFormat format = *sheet.format({3, 3});
    EXPECT_EQ(format.background, 0xFFD1A4u);
    EXPECT_EQ(format.foreground, 0u);
    EXPECT_EQ(format.border.type, 31);
    // Formats do not touch contents, nor contents formats.
    sheet.setCellText({1, 1}, L"x");
    sheet.clearCell({1, 1});
    EXPECT_TRUE(sheet.isLocked({1, 1}));
}

TEST_F(SheetCells, SpansDoNotOverlap) {
    EXPECT_TRUE(sheet.addSpan(CellRange{{1, 1}, {2, 2}}));
    EXPECT_FALSE(sheet.addSpan(CellRange{{2, 2}, {3, 3}}));
    EXPECT_FALSE(sheet.addSpan(CellRange::single({4, 4})));
    EXPECT_EQ(sheet.spanAt({2, 1}), (CellRange{{1, 1}, {2, 2}}));
    EXPECT_EQ(sheet.spanAt({3, 1}), std::nullopt);
    EXPECT_FALSE(sheet.removeSpan({2, 2}));
    EXPECT_TRUE(sheet.removeSpan({1, 1}));
    EXPECT_TRUE(sheet.addSpan(CellRange{{2, 2}, {3, 3}}));
    EXPECT_TRUE(sheet.addSpan(CellRange{{1, 0}, {2, 0}})); // a header spanning two columns
}

TEST_F(SheetCells, ShrinkingDropsWhatLiesBeyondAndFormulasFollow) {
    sheet.setCellText({1, 8}, L"5");
    sheet.setFormula({1, 1}, L"=A8*2");
    sheet.setColumnWidth(6, 100);
    sheet.setActiveCell({6, 8});
    EXPECT_EQ(value({1, 1}), L"10");
    ASSERT_TRUE(sheet.setMaxRows(7));
    ASSERT_TRUE(sheet.setMaxCols(5));
    EXPECT_EQ(value({1, 1}), L"0");
    ASSERT_TRUE(sheet.setMaxRows(8));
    ASSERT_TRUE(sheet.setMaxCols(6));
    EXPECT_EQ(sheet.cellValue({1, 8}), Value());
    EXPECT_EQ(sheet.columnWidth(6), 64);
    EXPECT_EQ(sheet.activeCell(), std::nullopt);
}

TEST_F(SheetCells, OptionsAndEditingState) {
    EXPECT_TRUE(sheet.option(SheetOption::kAutoCalculate));
    EXPECT_FALSE(sheet.option(SheetOption::kChanged));
    EXPECT_TRUE(sheet.setOption(SheetOption::kChanged, true));
    EXPECT_TRUE(sheet.option(SheetOption::kChanged));
    EXPECT_FALSE(sheet.setEditMode(true)); // no active cell yet
    ASSERT_TRUE(sheet.setActiveCell({2, 3}));
    EXPECT_FALSE(sheet.setEditSelection(1, 2));
    ASSERT_TRUE(sheet.setEditMode(true));
    ASSERT_TRUE(sheet.setEditSelection(1, 2));
    EXPECT_EQ(sheet.editSelectionStart(), 1);
    EXPECT_EQ(sheet.editSelectionLength(), 2);
    // Moving to another cell ends editing.
    ASSERT_TRUE(sheet.setActiveCell({3, 3}));
    EXPECT_FALSE(sheet.editMode());
    EXPECT_TRUE(sheet.setSelection(CellRange{{1, 2}, {-1, 2}}));
    EXPECT_EQ(sheet.selection(), (CellRange{{1, 2}, {-1, 2}}));
}

} // namespace
} // namespace grid::test
