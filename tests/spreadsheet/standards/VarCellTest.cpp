#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/standards/TfVarCells.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace spreadtest;

TfVarCell variable(const wchar_t* name, TfCellType type, TfValueType valueType,
                   const wchar_t* value, int col = 0, int row = 0) {
    TfVarCell cell;
    cell.name = name;
    cell.cellType = type;
    cell.valueType = valueType;
    cell.value = value;
    cell.col = col;
    cell.row = row;
    return cell;
}

class VarCellTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        makeSheet(4, 6);
    }
    grid::CellType typeAt(int col, int row) const {
        return spread.sheet().cellType({col, row}).value();
    }
};

TEST_F(VarCellTest, ADeclaringCellStartsWithAValueTypeKeyword) {
    struct Case {
        const wchar_t* text;
        bool ok;
        TfValueType type;
        const wchar_t* name;
    };
    const Case cases[] = {
        {L"Int", true, tfInteger, L""},
        {L"Integer x", true, tfInteger, L"x"}, // only the start of the word is tested
        {L"Double Width", true, tfDouble, L"Width"},
        {L"   String Name", true, tfString, L"Name"},
        {L"double d 2", true, tfDouble, L"d 2"},
        {L"Length 200", false, tfString, L"Length 200"},
        {L"12", false, tfString, L"12"},
        {L"", false, tfString, L""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(spread.setCellText(2, 3, c.text));
        TfVarCell cell;
        EXPECT_EQ(cell.initialize(spread, 2, 3, tfOutput) == Acad::eOk, c.ok) << Vdn_String(c.text);
        EXPECT_EQ(cell.name, c.name) << Vdn_String(c.text);
        if (c.ok) {
            EXPECT_EQ(cell.valueType, c.type) << Vdn_String(c.text);
            EXPECT_EQ(cell.col, 2);
            EXPECT_EQ(cell.row, 3);
            EXPECT_TRUE(cell.isOutput());
        } else {
            EXPECT_EQ(cell.col, 0);
            EXPECT_TRUE(cell.isInput());
        }
    }
    TfVarCell outside;
    EXPECT_EQ(outside.initialize(spread, 5, 1, tfInput), Acad::eInvalidInput);
}

TEST_F(VarCellTest, ValuesGoIntoTheDeclaringCellsByValueType) {
    TfVarCells cells;
    cells.append(variable(L"N", tfInput, tfInteger, L"12", 1, 1));
    cells.append(variable(L"D", tfOutput, tfDouble, L"2.5", 1, 2));
    cells.append(variable(L"S", tfLocal, tfString, L"abc", 1, 3));
    ASSERT_EQ(cells.setValuesToSS(spread), Acad::eOk);
    EXPECT_EQ(cell(1, 1), L"12");
    EXPECT_EQ(cell(1, 2), L"2.5");
    EXPECT_EQ(cell(1, 2, 0), L"2.5000000");
    EXPECT_EQ(cell(1, 3), L"abc");
    EXPECT_EQ(typeAt(1, 1), grid::CellType::number(0x10100000, 0, -99999999999999, 99999999999999));
    EXPECT_EQ(typeAt(1, 2).decimals(), 7);
    EXPECT_EQ(typeAt(1, 3), grid::CellType::edit(0, 9999));

    // A value its cell refuses ends the operation; later cells are not written.
    cells[1].value = L"wide";
    cells[2].value = L"new";
    EXPECT_EQ(cells.setValuesToSS(spread), Acad::eInvalidInput);
    EXPECT_EQ(cell(1, 3), L"abc");
}

TEST_F(VarCellTest, OnlyOutputsTakeTheirCellsValues) {
    TfVarCells cells;
    cells.append(variable(L"In", tfInput, tfDouble, L"1", 2, 1));
    cells.append(variable(L"Out", tfOutput, tfDouble, L"1", 2, 2));
    cells.append(variable(L"Bad", tfOutput, tfDouble, L"1", 2, 3));
    cells.append(variable(L"Late", tfOutput, tfDouble, L"1", 2, 4));
    ASSERT_TRUE(spread.setCellText(2, 1, L"5"));
    ASSERT_TRUE(spread.setCellText(2, 2, L"7"));
    ASSERT_TRUE(spread.SSSetFormula(2, 3, L"1/0"));
    ASSERT_TRUE(spread.setCellText(2, 4, L"9"));
    // A result that is an error has no value to hand on.
    EXPECT_EQ(cells.getValuesFromSS(spread), Acad::eInvalidInput);
    EXPECT_EQ(cells[0].value, L"1");
    EXPECT_EQ(cells[1].value, L"7");
    EXPECT_EQ(cells[3].value, L"1");
    ASSERT_TRUE(spread.setCellText(2, 3, L"8"));
    EXPECT_EQ(cells.getValuesFromSS(spread), Acad::eOk);
    EXPECT_EQ(cells[3].value, L"9");
    cells[2].col = 9;
    EXPECT_EQ(cells.getValuesFromSS(spread), Acad::eInvalidInput);
}

TEST_F(VarCellTest, AValueFromAnotherVariableIsWrittenIntoTheCell) {
    TfVarCell target = variable(L"W", tfOutput, tfDouble, L"", 3, 2);
    EXPECT_EQ(target.setValueFromOther(spread, variable(L"X", tfInput, tfString, L"42.5")),
              Acad::eOk);
    EXPECT_EQ(target.value, L"42.5");
    EXPECT_EQ(cell(3, 2), L"42.5");
}

TEST(VarCellsTest, FindVarCellGivesTheFirstOfTwo) {
    TfVarCells cells;
    cells.append(variable(L"A", tfInput, tfDouble, L"1"));
    cells.append(variable(L"Width", tfInput, tfDouble, L"1"));
    cells.append(variable(L"WIDTH", tfOutput, tfDouble, L"2"));
    int index = -1;
    EXPECT_EQ(cells.findVarCell(L"width", index), Acad::eOk);
    EXPECT_EQ(index, 1);
    index = 7;
    EXPECT_EQ(cells.findVarCell(L"Height", index), Acad::eInvalidInput);
    EXPECT_EQ(index, 7);
}

TEST(VarCellsTest, SameInputComparesOnlyTheInputsOfThisList) {
    TfVarCells mine;
    mine.append(variable(L"Col", tfInput, tfString, L"IPE-200"));
    mine.append(variable(L"T", tfInput, tfDouble, L"10"));
    mine.append(variable(L"Out", tfOutput, tfDouble, L"1"));
    TfVarCells other;
    other.append(variable(L"t", tfOutput, tfDouble, L"10"));
    other.append(variable(L"COL", tfInput, tfString, L"ipe-200"));
    other.append(variable(L"Extra", tfInput, tfDouble, L"3"));
    EXPECT_TRUE(mine.hasSameInput(other));
    EXPECT_FALSE(other.hasSameInput(mine)); // Extra is missing in mine
    EXPECT_TRUE(TfVarCells().hasSameInput(other));

    TfVarCells changed = other;
    changed[0].valueType = tfInteger;
    EXPECT_FALSE(mine.hasSameInput(changed));
    changed = other;
    changed[1].value = L"HEA-200";
    EXPECT_FALSE(mine.hasSameInput(changed));
    changed.removeAt(0);
    changed.removeAt(0);
    EXPECT_FALSE(mine.hasSameInput(changed));
}

TEST(VarCellsTest, ResettingKeepsTheMappingAndCopiesCarryIt) {
    TfVarCells cells;
    cells.append(variable(L"A", tfInput, tfDouble, L"1"));
    ASSERT_EQ(cells.mapping().initFromModuleGroup(L"Plate"), Acad::eOk);
    const TfVarCells copy = cells;
    cells.resetVarCells();
    EXPECT_EQ(cells.length(), 0);
    EXPECT_EQ(cells.mapping().mode(), TfSSMapping::kModuleGroup);
    EXPECT_EQ(copy.length(), 1);
    EXPECT_EQ(copy.mapping().mode(), TfSSMapping::kModuleGroup);
}

} // namespace
