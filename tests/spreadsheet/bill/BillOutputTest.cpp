#include "platform/core/files/PathBoundary.h"
#include "platform/core/model/BillPictures.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/grid/sheet/CellFormat.h"
#include "platform/grid/sheet/CellType.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/host/AcTransaction.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/bill/EmbeddedPicture.h"
#include "spreadsheet/bill/TfSSBillOutput.h"
#include "spreadsheet/editor/TfSSSettings.h"
#include "tests/core/TempFolder.h"
#include "tests/module/ModuleFixture.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

constexpr int H = Vdn_Spread::kHeader;

class BillOutputTest : public ModuleFixture {
protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        savedVdnDir = gSettings.vdnDir();
        gSettings.setVdnDir(folder.name("settings"));
        core::resetBillPictureSurface();
    }
    void TearDown() override {
        core::resetBillPictureSurface();
        gSettings.setVdnDir(savedVdnDir);
        ModuleFixture::TearDown();
    }

    Vdn_String billFile(const std::string& name = "bill.tfs") const { return folder.name(name); }

    // Pos (text), Qty (integer), Profile (text), Length (integer), Weight (one decimal).
    Acad::ErrorStatus init(TfSSBillOutput& bill, const Vdn_StringArray& vars = {},
                           const Vdn_StringArray& values = {}) {
        return bill.init(billFile(), {L"Pos", L"Qty", L"Profile", L"Length", L"Weight"},
                         AcArray<int>(), AcArray<int>{3, 1, 3, 1, 2}, L"", vars, values);
    }

    static Vdn_StringArray itemRow(int i) {
        return {Vdn_String(L"P" + std::to_wstring(i)), L"2", L"HEA-200", L"3000", L"126.9"};
    }

    static const grid::Sheet& cells(const TfSSBillOutput& bill) { return bill.sheet()->sheet(); }

    TempFolder folder;
    Vdn_String savedVdnDir;
};

TEST_F(BillOutputTest, GrowsAHundredRowsAtATimeAndEndsWithTheBillsRows) {
    TfSSBillOutput bill;
    ASSERT_EQ(init(bill), Acad::eOk);
    ASSERT_NE(bill.sheet(), nullptr);
    EXPECT_EQ(bill.sheet()->maxCols(), 5);
    Vdn_String header;
    bill.sheet()->getCellText(3, H, header);
    EXPECT_EQ(header, L"Profile");
    EXPECT_EQ(bill.sheet()->SSGetGridType(), 7);
    EXPECT_EQ(bill.sheet()->SSGetGridColor(), 0x323232u);

    ASSERT_EQ(bill.onStartFeed(), Acad::eOk);
    const int prepared = bill.sheet()->maxRows();
    for (int i = 1; i <= 250; ++i) {
        bill.onAddRow(itemRow(i));
        if (i == prepared) {
            EXPECT_EQ(bill.sheet()->maxRows(), prepared) << "the prepared rows are used first";
        } else if (i == prepared + 1) {
            EXPECT_EQ(bill.sheet()->maxRows(), prepared + 101);
        } else if (i == prepared + 102) {
            EXPECT_EQ(bill.sheet()->maxRows(), prepared + 202);
        }
    }
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    EXPECT_EQ(bill.currentRow(), 250);
    EXPECT_EQ(bill.sheet()->maxRows(), 250);

    Vdn_String text;
    bill.sheet()->getCellText(1, 250, text, Vdn_Spread::kCellValue);
    EXPECT_EQ(text, L"P250");
    bill.sheet()->getCellText(5, 17, text);
    EXPECT_EQ(text, L"126.9");
    EXPECT_EQ(bill.sheet()->cellType(2, 1), grid::CellType::kNumberCode);
    EXPECT_EQ(bill.sheet()->cellType(3, 1), grid::CellType::kEditCode);
    // Saved: the changed flag is off and the file reads back with its 250 rows.
    EXPECT_FALSE(bill.sheet()->SSGetBool(Vdn_Spread::kOptionChanged));
    grid::Sheet saved;
    ASSERT_TRUE(saved.loadTfs(core::toNativePath(billFile())));
    EXPECT_EQ(saved.maxRows(), 250);
}

TEST_F(BillOutputTest, LongRowsAddColumnsThatKeepTheirKind) {
    TfSSBillOutput bill;
    ASSERT_EQ(init(bill), Acad::eOk);
    bill.onStartFeed();
    Vdn_StringArray row = itemRow(1);
    row.append(L"extra");
    row.append(L"7");
    bill.onAddRow(row);
    EXPECT_EQ(bill.sheet()->maxCols(), 7);
    Vdn_String text;
    bill.sheet()->getCellText(7, 1, text);
    EXPECT_EQ(text, L"7");
    // Columns without a kind keep what the prepared sheet gave every cell: text cells.
    EXPECT_EQ(bill.sheet()->cellType(7, 1), grid::CellType::kEditCode);
}

TEST_F(BillOutputTest, SubtotalsFrameAndShadeOnlyTheirFilledCells) {
    TfSSBillOutput bill;
    ASSERT_EQ(init(bill), Acad::eOk);
    bill.onStartFeed();
    bill.onAddRow(itemRow(1));
    bill.onAddSubTotals({L"Total", L"", L"", L"6000", L"253.8"}, {}, true, 0);
    bill.onAddRow(itemRow(2));
    const grid::Sheet& sheet = cells(bill);
    for (int col = 1; col <= 5; ++col) {
        const grid::CellFormat format = sheet.format({col, 2}).value();
        const bool filled = col == 1 || col >= 4;
        EXPECT_EQ(format.background,
                  filled ? TfSSBillOutput::kSubtotalColour : grid::CellFormat::kDefaultColour)
            << col;
        EXPECT_EQ(format.border.type, filled ? 31 : 0) << col;
        // The row after the subtotal starts plain again.
        EXPECT_EQ(sheet.format({col, 3})->background, grid::CellFormat::kDefaultColour) << col;
    }
}

TEST_F(BillOutputTest, ReusedRowsLoseTheFormatsOfEarlierUse) {
    // A sheet grows by copying its last row's formats; a shaded subtotal as the last row must
    // not shade the rows that follow it.
    TfSSBillOutput bill;
    ASSERT_EQ(init(bill), Acad::eOk);
    bill.onStartFeed();
    const int prepared = bill.sheet()->maxRows();
    for (int i = 1; i < prepared; ++i)
        bill.onAddRow(itemRow(i));
    bill.onAddSubTotals({L"Total", L"9"}, {}, false, 1);
    bill.onAddRow(itemRow(prepared + 1));
    EXPECT_EQ(cells(bill).format({1, prepared + 1})->background, grid::CellFormat::kDefaultColour);
    EXPECT_EQ(cells(bill).format({1, prepared + 1})->border.type, 0);
}

TEST_F(BillOutputTest, PrintVariablesLeadWithDateTitleAndFileAndTravelWithTheSheet) {
    TfSSBillOutput bill;
    ASSERT_EQ(init(bill, {L"Project"}, {L"Hall 3"}), Acad::eOk);
    bill.onStartFeed();
    bill.onAddRow(itemRow(1));
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    ASSERT_EQ(bill.printVarNames().length(), 4);
    EXPECT_EQ(bill.printVarNames()[0], L"Date");
    EXPECT_EQ(bill.printVarNames()[1], L"Title");
    EXPECT_EQ(bill.printVarNames()[2], L"BillFilename");
    EXPECT_EQ(bill.printVarNames()[3], L"Project");
    EXPECT_EQ(bill.printVarValues()[1], L"bill");
    EXPECT_EQ(bill.printVarValues()[2], billFile());
    EXPECT_EQ(bill.printVarValues()[3], L"Hall 3");
    EXPECT_NE(bill.printVarValues()[0].str().find(L", 20"), std::wstring::npos);

    Vdn_Spread& reopened = *const_cast<Vdn_Spread*>(bill.sheet());
    ASSERT_TRUE(reopened.SSLoadFromFile(billFile().str()));
    TfSSSettings settings;
    ASSERT_TRUE(settings.readFromSheet(reopened));
    EXPECT_EQ(settings.varNames, bill.printVarNames());
    EXPECT_EQ(settings.varValues, bill.printVarValues());
}

TEST_F(BillOutputTest, TheSavedBillNamesTheHeaderCopiedBesideIt) {
    folder.write("pictures/header.bmp", "header");
    TfSSBillOutput bill;
    ASSERT_EQ(init(bill), Acad::eOk);
    Vdn_Spread& sheet = *const_cast<Vdn_Spread*>(bill.sheet());
    TfSSSettings settings;
    ASSERT_TRUE(settings.readFromSheet(sheet));
    settings.headerFile = folder.name("pictures/header.bmp");
    ASSERT_TRUE(settings.writeToSheet(sheet));
    bill.onStartFeed();
    bill.onAddRow(itemRow(1));
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);

    EXPECT_EQ(folder.read("header.bmp"), "header") << "the picture travels with the bill";
    ASSERT_TRUE(sheet.SSLoadFromFile(billFile().str()));
    ASSERT_TRUE(settings.readFromSheet(sheet));
    EXPECT_EQ(settings.headerFile, L"header.bmp") << "the saved file names the copy beside it";
}

TEST(BillTitleTest, TakesTheBareNameAfterTheLastInvertedQuestionMark) {
    struct Case {
        const wchar_t* file;
        const wchar_t* title;
    };
    const Case cases[] = {
        {L"c:\\bills\\Hall 3.tfs", L"Hall 3"},
        {L"c:\\bills\\Project\u00bfHall 3.tfs", L"Hall 3"},
        {L"c:\\bills\\A\u00bfB\u00bfWeld list.tfs", L"Weld list"},
        {L"c:\\a\u00bfb\\plain.tfs", L"plain"}, // only the file's own name counts
        {L"/tmp/x/bill", L"bill"},
        {L"Ends\u00bf.tfs", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TfSSBillOutput::titleOf(c.file), c.title) << Vdn_String(c.file).toUtf8();
}

TEST_F(BillOutputTest, ACopyDestroyedFirstLeavesTheOriginalItsWindow) {
    auto original = std::make_unique<TfSSBillOutput>();
    ASSERT_EQ(init(*original), Acad::eOk);
    original->onStartFeed();
    original->onAddRow(itemRow(1));
    {
        TfSSBillOutput copy(*original);
        EXPECT_EQ(copy.sheet(), original->sheet());
        TfSSBillOutput assigned;
        assigned = copy;
        EXPECT_EQ(assigned.sheet(), original->sheet());
    }
    ASSERT_NE(original->sheet(), nullptr);
    original->onAddRow(itemRow(2));
    EXPECT_EQ(original->onEndFeed(), Acad::eOk);
    EXPECT_EQ(original->sheet()->maxRows(), 2);
    original.reset(); // the last owner destroys the window, once
}

TEST_F(BillOutputTest, PicturesComeOnlyWithBillAndTransaction) {
    {
        TfSSBillOutput bill;
        ASSERT_EQ(init(bill), Acad::eOk);
        bill.onStartFeed();
        bill.onAddRow(itemRow(1));
        bill.onEndFeed();
        EXPECT_EQ(bill.sheet()->maxRows(), 1);
        EXPECT_EQ(core::billPictureSurface().timesOpened, 0);
        EXPECT_EQ(core::billPictureSurface().timesClosed, 0);
    }

    Vdn_Bill items;
    items.items.append({L"P1", L"HEA-200", 3000});
    AcTransaction transaction;
    TfSSBillOutput bill;
    ASSERT_EQ(init(bill), Acad::eOk);
    bill.setVars(-1, 36, 0, true, true, &items, &transaction);
    bill.onStartFeed();
    EXPECT_EQ(core::billPictureSurface().size, 56);
    bill.onAddRow(itemRow(1)); // pictured
    bill.onAddRow(itemRow(2)); // not in the bill: no picture row
    bill.onAddSubTotals({L"Total", L"4"}, {}, true, 0);
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    EXPECT_EQ(core::billPictureSurface().timesClosed, 1);
    ASSERT_EQ(bill.sheet()->maxRows(), 4);

    // Row 2 is the picture row of P1: the arrow, then the picture across the other columns.
    int pixels = 0;
    bill.sheet()->SSGetRowHeightInPixels(2, pixels);
    EXPECT_EQ(pixels, 36);
    EXPECT_EQ(cells(bill).cellType({1, 2})->picture(), L"251");
    EXPECT_EQ(cells(bill).format({1, 2})->border.type, 18);
    int anchorCol = 0, anchorRow = 0, spanCols = 0, spanRows = 0;
    EXPECT_EQ(bill.sheet()->SSGetCellSpan(2, 2, anchorCol, anchorRow, spanCols, spanRows),
              TSpread::kSpanAnchor);
    EXPECT_EQ(spanCols, 4);
    EXPECT_EQ(spanRows, 1);
    const std::wstring picture = cells(bill).cellType({2, 2})->picture();
    const ui::Bitmap::LoadResult shown = EmbeddedPicture::decode(picture);
    ASSERT_TRUE(shown.ok());
    EXPECT_EQ(shown.bitmap.height(), 36);
    Vdn_String text;
    bill.sheet()->getCellText(1, 3, text, Vdn_Spread::kCellValue);
    EXPECT_EQ(text, L"P2");

    // The picture is in the saved sheet, though its temporary file is gone.
    grid::Sheet saved;
    ASSERT_TRUE(saved.loadTfs(core::toNativePath(billFile())));
    EXPECT_EQ(saved.cellType({2, 2})->picture(), picture);
}

} // namespace
