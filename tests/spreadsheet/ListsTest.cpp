#include "tests/spreadsheet/SpreadFixture.h"

#include <gtest/gtest.h>

using namespace spreadtest;

namespace {

class ListsTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        makeSheet(3, 3);
    }
};

TEST_F(ListsTest, ColumnTextsStopAtTheShorterOfListAndSheet) {
    ASSERT_TRUE(spread.setColumnTexts(2, {L"a", L"b", L"c", L"d", L"e"}));
    EXPECT_EQ(spread.maxRows(), 3);
    EXPECT_EQ(column(2), (Vdn_StringArray{L"a", L"b", L"c"}));
    ASSERT_TRUE(spread.setColumnTexts(2, {L"x"}));
    EXPECT_EQ(column(2), (Vdn_StringArray{L"x", L"b", L"c"}));
    ASSERT_TRUE(spread.setRowTexts(1, {L"1", L"2", L"3", L"4"}));
    Vdn_StringArray row;
    ASSERT_TRUE(spread.getRowTexts(1, row));
    EXPECT_EQ(row, (Vdn_StringArray{L"1", L"2", L"3"}));
    EXPECT_FALSE(spread.setColumnTexts(4, {L"a"}));
    EXPECT_FALSE(spread.setRowTexts(0, {L"a"}));
}

TEST_F(ListsTest, ColumnsReadAsNumbersAndBools) {
    ASSERT_TRUE(spread.setColumnDoubles(1, {1.005, 2.5, -0.333}));
    EXPECT_EQ(column(1), (Vdn_StringArray{L"1.01", L"2.5", L"-0.33"}));
    Vdn_Array<double> doubles;
    ASSERT_TRUE(spread.getColumnDoubles(1, doubles));
    EXPECT_EQ(doubles, (Vdn_Array<double>{1.01, 2.5, -0.33}));
    Vdn_Array<int> ints;
    ASSERT_TRUE(spread.getColumnInts(1, ints));
    EXPECT_EQ(ints, (Vdn_Array<int>{1, 2, 0}));

    ASSERT_TRUE(spread.setColumnTexts(2, {L"1", L"yes", L"0"}));
    Vdn_Array<bool> bools;
    ASSERT_TRUE(spread.getColumnBools(2, bools));
    EXPECT_EQ(bools, (Vdn_Array<bool>{true, false, false}));
    ASSERT_TRUE(spread.setColumnBools(3, Vdn_Array<bool>({false, true})));
    EXPECT_EQ(column(3), (Vdn_StringArray{L"0", L"1", L""}));
}

TEST_F(ListsTest, NamesLiveInTheHeaders) {
    ASSERT_TRUE(spread.setRowNames({L"Width", L"Height", L"Depth", L"Extra"}));
    ASSERT_TRUE(spread.setColumnNames({L"Name", L"Value"}));
    Vdn_StringArray names;
    ASSERT_TRUE(spread.getRowNames(names));
    EXPECT_EQ(names, (Vdn_StringArray{L"Width", L"Height", L"Depth"}));
    ASSERT_TRUE(spread.getColumnNames(names));
    EXPECT_EQ(names, (Vdn_StringArray{L"Name", L"Value", L""}));
    EXPECT_EQ(cell(H, 2, 0), L"Height");
}

TEST_F(ListsTest, AllRowsAndClearing) {
    makeSheet(2, 3, true);
    ASSERT_TRUE(spread.SSSetFormula(2, 2, L"1+1"));
    Vdn_Array<Vdn_StringArray> rows;
    ASSERT_TRUE(spread.getAllRows(rows));
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(rows[1], (Vdn_StringArray{L"r2c1", L"2"}));

    ASSERT_TRUE(spread.clearRow(2));
    EXPECT_EQ(cell(2, 2, 1), L"");
    EXPECT_EQ(cell(1, 2), L"");
    ASSERT_TRUE(spread.clearRows(1, 3));
    ASSERT_TRUE(spread.getAllRows(rows));
    EXPECT_EQ(rows[0], (Vdn_StringArray{L"", L""}));
    EXPECT_FALSE(spread.clearRows(2, 4));
    EXPECT_FALSE(spread.clearRow(H));
}

} // namespace
