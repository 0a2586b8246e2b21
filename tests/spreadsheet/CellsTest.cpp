#include "platform/grid/sheet/Sheet.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using namespace spreadtest;

namespace {

class CellsTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        makeSheet(3, 4);
    }
    grid::CellType typeAt(int col, int row) const {
        return spread.sheet().cellType({col == H ? 0 : col, row == H ? 0 : row}).value();
    }
};

TEST_F(CellsTest, ReadingOutsideTheSheetFailsWithAnEmptyText) {
    struct Case {
        int col;
        int row;
    };
    for (const Case& c : {Case{4, 1}, Case{1, 5}, Case{0, 1}, Case{1, 0}, Case{-1, 1}}) {
        Vdn_String text = L"left over";
        for (int kind = 0; kind <= 3; ++kind) {
            EXPECT_FALSE(spread.getCellText(c.col, c.row, text, kind)) << c.col << "," << c.row;
            EXPECT_TRUE(text.isEmpty());
        }
        EXPECT_EQ(spread.cellType(c.col, c.row), -1);
        EXPECT_FALSE(spread.setCellText(c.col, c.row, L"x"));
    }
    Vdn_String text = L"left over";
    EXPECT_TRUE(spread.getCellText(2, 2, text));
    EXPECT_TRUE(text.isEmpty());
    // The header row and column are inside the sheet.
    EXPECT_TRUE(spread.setCellText(H, 2, L"Row 2"));
    EXPECT_EQ(cell(H, 2, 0), L"Row 2");
}

TEST_F(CellsTest, KindsGiveFormattedTextFormulaTagAndValue) {
    ASSERT_TRUE(spread.setNumberCells(1, 1, 1, 2, 2));
    ASSERT_TRUE(spread.setCellValue(1, 1, L"12.5"));
    ASSERT_TRUE(spread.SSSetFormula(1, 2, L"A1*2"));
    ASSERT_TRUE(spread.SSSetCellTag(1, 1, L"tag"));
    EXPECT_EQ(cell(1, 1, 0), L"12.50");
    EXPECT_EQ(cell(1, 1, 3), L"12.5");
    EXPECT_EQ(cell(1, 1, 2), L"tag");
    EXPECT_EQ(cell(1, 2, 1), L"A1*2");
    EXPECT_EQ(cell(1, 2, 3), L"25");
    Vdn_String text;
    EXPECT_FALSE(spread.getCellText(1, 1, text, 4));
}

TEST_F(CellsTest, AnErrorResultCannotBeReadAsValue) {
    ASSERT_TRUE(spread.SSSetFormula(2, 1, L"1/0"));
    Vdn_String text;
    EXPECT_FALSE(spread.getCellText(2, 1, text, Vdn_Spread::kCellValue));
    EXPECT_TRUE(spread.getCellText(2, 1, text, Vdn_Spread::kCellFormatted));
    EXPECT_EQ(text, L"#DIV/0!");
    EXPECT_EQ(spread.getCellInt(2, 1), 0);
}

TEST_F(CellsTest, NumbersAreReadAsTheCLibraryReadsThem) {
    struct Case {
        const wchar_t* text;
        int asInt;
        double asDouble;
    };
    const Case cases[] = {
        {L"12abc", 12, 12.0}, {L"-3", -3, -3.0}, {L"abc", 0, 0.0}, {L"3.9", 3, 3.9},
        {L"1E3", 1, 1000.0},  {L".5", 0, 0.5},   {L"", 0, 0.0},    {L"7 kN", 7, 7.0},
        {L"1,5", 1, 1.0},     {L"+4x", 4, 4.0},
    };
    // A text cell keeps the texts as typed.
    ASSERT_TRUE(spread.setEditCells(1, 1, 1, 1));
    for (const Case& c : cases) {
        ASSERT_TRUE(spread.setCellText(1, 1, c.text));
        EXPECT_EQ(spread.getCellInt(1, 1), c.asInt) << uitest::utf8(c.text);
        EXPECT_DOUBLE_EQ(spread.getCellDouble(1, 1), c.asDouble) << uitest::utf8(c.text);
    }
    EXPECT_EQ(spread.getCellInt(9, 9), 0);
}

TEST_F(CellsTest, DoublesAreWrittenWithTwoDecimals) {
    ASSERT_TRUE(spread.setCellDouble(1, 1, 3.14159));
    EXPECT_EQ(cell(1, 1), L"3.14");
    ASSERT_TRUE(spread.setNumberCells(2, 1, 2, 1, 7));
    ASSERT_TRUE(spread.setCellDouble(2, 1, 2.675));
    EXPECT_EQ(cell(2, 1), L"2.68");
    ASSERT_TRUE(spread.setCellInt(3, 1, -42));
    EXPECT_EQ(spread.getCellInt(3, 1), -42);
}

TEST_F(CellsTest, ChecksReadOnlyOneAndZero) {
    struct Case {
        const wchar_t* value;
        bool readable;
        bool checked;
    };
    ASSERT_TRUE(spread.setEditCells(1, 1, 1, 1));
    for (const Case& c :
         {Case{L"1", true, true}, Case{L"0", true, false}, Case{L"2", false, false},
          Case{L"yes", false, false}, Case{L"", false, false}, Case{L"1.0", false, false}}) {
        ASSERT_TRUE(spread.setCellText(1, 1, c.value));
        bool checked = !c.checked;
        EXPECT_EQ(spread.getCheck(1, 1, checked), c.readable) << uitest::utf8(c.value);
        if (c.readable) {
            EXPECT_EQ(checked, c.checked);
        }
    }
    ASSERT_TRUE(spread.setCheckBoxCell(2, 2));
    ASSERT_TRUE(spread.setCheck(2, 2, true));
    EXPECT_EQ(cell(2, 2), L"1");
    ASSERT_TRUE(spread.setCheck(2, 2, false));
    EXPECT_EQ(cell(2, 2), L"0");
}

TEST_F(CellsTest, CellKindsCarryTheirStyles) {
    ASSERT_TRUE(spread.setEditCells(1, 1, 1, 4));
    EXPECT_EQ(typeAt(1, 3).style(), 0x110000u);
    ASSERT_TRUE(spread.setCellText(1, 1, Vdn_String(std::wstring(250, L'x'))));
    EXPECT_EQ(cell(1, 1).length(), 200);

    ASSERT_TRUE(spread.setNumberColumn(2, 3, true));
    const grid::CellType number = typeAt(2, 4);
    EXPECT_EQ(number.style(), 0x10100000u);
    EXPECT_EQ(number.decimals(), 3);
    EXPECT_DOUBLE_EQ(number.maximum(), 99999999999999.0);
    EXPECT_DOUBLE_EQ(number.minimum(), -99999999999999.0);
    EXPECT_FALSE(spread.setCellValue(2, 1, L"999999999999999"));
    ASSERT_TRUE(spread.setNumberColumn(2, 1));
    EXPECT_EQ(typeAt(2, 1).style(), 0x10400000u);

    ASSERT_TRUE(spread.setComboColumn(3, {L"IPE", L"HEA"}, true));
    EXPECT_EQ(typeAt(3, 2).style(), 0x100002u);
    EXPECT_EQ(typeAt(3, 2).items(), (std::vector<std::wstring>{L"IPE", L"HEA"}));
    ASSERT_TRUE(spread.setComboCells(3, 1, 3, 1, {L"A"}));
    EXPECT_EQ(typeAt(3, 1).style(), 0x100000u);
    EXPECT_FALSE(typeAt(3, 1).editable());
}

TEST_F(CellsTest, CheckBoxColumnUsesThePicturesAndCanSpanItsHeader) {
    ASSERT_TRUE(spread.setCheckBoxColumn(1, true, true));
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(spread.cellType(1, row), Vdn_Spread::kCheckBoxType);
    const grid::CellType box = typeAt(1, 2);
    EXPECT_EQ(box.style(), 768u);
    EXPECT_EQ(box.picture(), L"8136");
    EXPECT_EQ(box.pictureDown(), L"8134");
    EXPECT_TRUE(box.text().empty());
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    EXPECT_EQ(spread.SSGetCellSpan(2, H, anchorCol, anchorRow, cols, rows), TSpread::kSpanYes);
    EXPECT_EQ(anchorCol, 1);
    EXPECT_EQ(cols, 2);
    ASSERT_TRUE(spread.setCheckBoxCell(3, 1, false));
    EXPECT_EQ(typeAt(3, 1).style(), static_cast<unsigned>(BS_LEFT));
    EXPECT_FALSE(spread.setCheckBoxColumn(4));
}

TEST_F(CellsTest, ButtonsAndTitleRows) {
    ASSERT_TRUE(spread.setPictureButtonCell(1, 1, 8134));
    EXPECT_EQ(typeAt(1, 1).style(), 0x210024u);
    EXPECT_EQ(typeAt(1, 1).picture(), L"8134");
    ASSERT_TRUE(spread.setPictureButtonCell(1, 2, 300, true));
    EXPECT_EQ(typeAt(1, 2).style(), 0x211004u);
    ASSERT_TRUE(spread.setTextButtonColumn(2, L"..."));
    EXPECT_EQ(typeAt(2, 4).text(), L"...");
    EXPECT_EQ(spread.cellType(2, 4), grid::CellType::kTextButtonCode);

    ASSERT_TRUE(spread.addTitleRow(L"Bouten", 3));
    EXPECT_EQ(typeAt(2, 3).style(), 36u);
    EXPECT_EQ(cell(1, 3, 0), L"Bouten");
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    EXPECT_EQ(spread.SSGetCellSpan(1, 3, anchorCol, anchorRow, cols, rows), TSpread::kSpanAnchor);
    EXPECT_EQ(cols, 3);
    EXPECT_FALSE(spread.addTitleRow(L"x", 5));
}

TEST_F(CellsTest, CustomFunctionsGetValuesOrCellReferences) {
    const auto where = [](grid::FunctionValue& result, std::span<const grid::FunctionValue> args) {
        if (args[0].kind != grid::FunctionValue::Kind::Cell)
            return false;
        result = grid::FunctionValue::ofInteger(args[0].cell.row * 100 + args[0].cell.col);
        return true;
    };
    ASSERT_TRUE(spread.SSAddCustomFunctionExt(L"WHERE", 1, 1, where,
                                              TSpread::kCustomFunctionWantsCellRefs));
    ASSERT_TRUE(spread.SSAddCustomFunctionExt(L"WHAT", 1, 1, where, 0));
    ASSERT_TRUE(spread.SSSetFormula(1, 1, L"WHERE(C2)"));
    EXPECT_EQ(cell(1, 1), L"203");
    ASSERT_TRUE(spread.SSSetFormula(1, 2, L"WHAT(C2)"));
    EXPECT_EQ(cell(1, 2, 0), L"#VALUE!");
    EXPECT_FALSE(spread.SSSetFormula(1, 3, L"WHERE(("));
}

TEST_F(CellsTest, SheetFilesRoundTripThroughTheControl) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("tessa-spread-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const std::wstring tfs = (folder / "sheet.tfs").wstring();
    const std::wstring csv = (folder / "sheet.CSV").wstring();
    ASSERT_TRUE(spread.setNumberCells(1, 1, 1, 1, 2));
    ASSERT_TRUE(spread.setCellText(1, 1, L"2.5"));
    ASSERT_TRUE(spread.SSSetFormula(2, 1, L"A1*2"));
    ASSERT_TRUE(spread.SSSaveToFile(tfs, false));
    ASSERT_TRUE(spread.SSSaveToFile(csv, false));

    Vdn_Spread copy;
    ASSERT_TRUE(copy.attachToDlgItem(&dialog, kEditId));
    ASSERT_TRUE(copy.SSLoadFromFile(tfs));
    EXPECT_EQ(copy.maxCols(), 3);
    Vdn_String text;
    ASSERT_TRUE(copy.getCellText(1, 1, text, Vdn_Spread::kCellFormatted));
    EXPECT_EQ(text, L"2.50");
    ASSERT_TRUE(copy.SSLoadFromFile(csv));
    ASSERT_TRUE(copy.getCellText(2, 1, text, Vdn_Spread::kCellFormula));
    EXPECT_EQ(text, L"A1*2");
    EXPECT_FALSE(copy.SSLoadFromFile((folder / "missing.tfs").wstring()));
    std::filesystem::remove_all(folder);
}

} // namespace
