#include "GridTestSupport.h"

namespace grid::test {
namespace {

class Structure : public ::testing::Test {
protected:
    Structure() {
        sheet.setMaxCols(8);
        sheet.setMaxRows(12);
        for (int row = 1; row <= 6; ++row)
            sheet.setCellText({1, row}, std::to_wstring(row));
    }
    std::wstring formula(CellRef ref) { return sheet.cellText(ref, TextKind::Formula).value(); }
    Value at(CellRef ref) { return sheet.cellValue(ref).value(); }

    Sheet sheet;
};

TEST_F(Structure, InsertingRowsShiftsReferencesAndWidensBlocks) {
    sheet.setFormula({2, 5}, L"=A1+A3");
    sheet.setFormula({2, 6}, L"=SUM(A1:A4)");
    sheet.setFormula({2, 1}, L"=$A$6*2");
    sheet.setRowHeight(4, 30);
    sheet.setCellText({0, 4}, L"row four");
    ASSERT_TRUE(sheet.insertRows(2, 2));
    EXPECT_EQ(formula({2, 7}), L"A1+A5");
    EXPECT_EQ(formula({2, 8}), L"SUM(A1:A6)");
    EXPECT_EQ(formula({2, 1}), L"$A$8*2");
    EXPECT_EQ(at({2, 7}), Value::number(4));
    EXPECT_EQ(at({2, 8}), Value::number(10));
    EXPECT_EQ(sheet.rowHeight(6), 30);
    EXPECT_EQ(sheet.cellText({0, 6}, TextKind::Value), L"row four");
    EXPECT_EQ(sheet.cellValue({1, 2}), Value());
    EXPECT_EQ(sheet.maxRows(), 12); // the size stays
}

TEST_F(Structure, InsertingPushesTheLastRowsOffTheSheet) {
    sheet.setCellText({3, 12}, L"last");
    sheet.setFormula({4, 1}, L"=C12");
    ASSERT_TRUE(sheet.insertRows(1, 1));
    EXPECT_EQ(formula({4, 2}), L"C13"); // points past the sheet, where nothing is
    EXPECT_EQ(at({4, 2}), Value::number(0));
}

TEST_F(Structure, DeletingRowsMakesReferencesIntoThemRefErrors) {
    sheet.setFormula({2, 8}, L"=A3*2");
    sheet.setFormula({2, 9}, L"=SUM(A1:A5)");
    sheet.setFormula({2, 10}, L"=SUM(A2:A3)");
    sheet.setFormula({2, 11}, L"=A6");
    ASSERT_TRUE(sheet.deleteRows(2, 2));
    EXPECT_EQ(formula({2, 6}), L"#REF!*2");
    EXPECT_EQ(at({2, 6}), Value::error(ErrorCode::Ref));
    EXPECT_EQ(formula({2, 7}), L"SUM(A1:A3)"); // the block shrinks
    EXPECT_EQ(at({2, 7}), Value::number(1 + 4 + 5));
    EXPECT_EQ(formula({2, 8}), L"SUM(#REF!)");
    EXPECT_EQ(formula({2, 9}), L"A4");
    EXPECT_EQ(at({2, 9}), Value::number(6));
}

TEST_F(Structure, ColumnsBehaveLikeRows) {
    sheet.setCellText({3, 1}, L"30");
    sheet.setFormula({5, 1}, L"=A1+C1");
    sheet.setColumnWidth(3, 99);
    ASSERT_TRUE(sheet.insertColumns(2, 1));
    EXPECT_EQ(formula({6, 1}), L"A1+D1");
    EXPECT_EQ(sheet.columnWidth(4), 99);
    ASSERT_TRUE(sheet.deleteColumns(4, 1));
    EXPECT_EQ(formula({5, 1}), L"A1+#REF!");
}

TEST_F(Structure, CopyMovesRelativePartsOnly) {
    sheet.setFormula({2, 1}, L"=A1+$A$1+A$1+$A1");
    ASSERT_TRUE(sheet.copyRange(CellRange::single({2, 1}), {3, 3}));
    EXPECT_EQ(formula({3, 3}), L"B3+$A$1+B$1+$A3");
    EXPECT_EQ(formula({2, 1}), L"A1+$A$1+A$1+$A1");
    // A relative reference pushed off the sheet becomes #REF!.
    sheet.setFormula({2, 3}, L"=A2");
    ASSERT_TRUE(sheet.copyRange(CellRange::single({2, 3}), {2, 1}));
    EXPECT_EQ(formula({2, 1}), L"#REF!");
}

TEST_F(Structure, CopyTakesFormatsAndUpdatesReaders) {
    sheet.setCellType(CellRange::single({1, 2}), CellType::number(0, 2, -100, 100));
    sheet.setTag({1, 2}, L"t");
    sheet.setFormula({4, 4}, L"=SUM(C1:C3)");
    ASSERT_TRUE(sheet.copyRange(CellRange{{1, 1}, {1, 3}}, {3, 1}));
    EXPECT_EQ(sheet.cellTypeCode({3, 2}), CellType::kNumberCode);
    EXPECT_EQ(sheet.cellText({3, 2}, TextKind::Tag), L"t");
    EXPECT_EQ(at({4, 4}), Value::number(6));
}

TEST_F(Structure, CopyingARowWithItsHeader) {
    sheet.setCellText({0, 2}, L"two");
    sheet.setFont(CellRange{{0, 2}, {8, 2}}, CellFont{L"Tahoma", 15, 700});
    ASSERT_TRUE(sheet.copyRange(CellRange{{0, 2}, {8, 2}}, {0, 9}));
    EXPECT_EQ(sheet.cellText({0, 9}, TextKind::Value), L"two");
    EXPECT_EQ(sheet.format({5, 9})->font.weight, 700);
    EXPECT_FALSE(sheet.copyRange(CellRange{{0, 2}, {8, 2}}, {1, 9})); // header onto body
}

TEST_F(Structure, MovedCellsTakeTheirReadersAlong) {
    sheet.setFormula({3, 1}, L"=A1*10");
    sheet.setFormula({3, 2}, L"=SUM(A1:A2)");
    sheet.setFormula({3, 3}, L"=E6");
    sheet.setFormula({1, 2}, L"=A1+1"); // inside the moved block
    ASSERT_TRUE(sheet.moveRange(CellRange{{1, 1}, {1, 2}}, {5, 5}));
    EXPECT_EQ(formula({3, 1}), L"E5*10");
    EXPECT_EQ(formula({3, 2}), L"SUM(E5:E6)");
    EXPECT_EQ(formula({3, 3}), L"#REF!"); // its cell was overwritten
    EXPECT_EQ(formula({5, 6}), L"E5+1");
    EXPECT_EQ(sheet.cellValue({1, 1}), Value());
    EXPECT_EQ(at({3, 2}), Value::number(3));
}

TEST_F(Structure, SpansFollowRows) {
    sheet.addSpan(CellRange{{2, 3}, {3, 4}});
    sheet.addSpan(CellRange{{5, 1}, {5, 5}});
    ASSERT_TRUE(sheet.insertRows(2, 1));
    EXPECT_EQ(sheet.spanAt({2, 4}), (CellRange{{2, 4}, {3, 5}}));
    EXPECT_EQ(sheet.spanAt({5, 1}), (CellRange{{5, 1}, {5, 6}}));
    ASSERT_TRUE(sheet.deleteRows(4, 2));
    EXPECT_EQ(sheet.spanAt({2, 4}), std::nullopt);
    EXPECT_EQ(sheet.spanAt({5, 1}), (CellRange{{5, 1}, {5, 4}}));
}

} // namespace
} // namespace grid::test
