#include "platform/grid/sheet/Sheet.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <gtest/gtest.h>

using namespace spreadtest;

namespace {

class LayoutTest : public SpreadTest {
protected:
    void SetUp() override {
        SpreadTest::SetUp();
        makeSheet(4, 3);
        resize(400);
    }
    void resize(int width) { spread.MoveWindow(0, 0, width, 200); }
    int width(int col) const {
        int pixels = -1;
        spread.SSGetColWidthInPixels(col, pixels);
        return pixels;
    }
    // Header column, then columns 1 to 4.
    std::vector<int> widths() const { return {width(H), width(1), width(2), width(3), width(4)}; }
};

TEST_F(LayoutTest, SizeModesShareTheClientWidth) {
    struct Case {
        const char* name;
        int mode;
        int param1;
        int param2;
        std::vector<int> widths;
    };
    // Client width 400; the vertical scroll bar is 17 wide.
    const Case cases[] = {
        {"equal, less the scroll bar", 1, 0, 0, {76, 76, 76, 76, 76}},
        {"first column 40 percent", 3, 1, 40, {60, 160, 60, 60, 60}},
        {"last two columns half", 3, -2, 50, {66, 66, 66, 100, 100}},
        {"more columns than there are", 3, 9, 50, {200, 50, 50, 50, 50}},
        {"fixed header column", 4, 0, 40, {40, 90, 90, 90, 90}},
        {"fixed header by its index", 4, H, 40, {40, 90, 90, 90, 90}},
        {"fixed column 2", 4, 2, 100, {75, 75, 100, 75, 75}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(spread.setSizeMode(c.mode, c.param1, c.param2)) << c.name;
        EXPECT_EQ(widths(), c.widths) << c.name;
    }
    ASSERT_TRUE(spread.setSizeMode(4, 9, 10));
    EXPECT_EQ(widths(), (std::vector<int>{75, 75, 100, 75, 75})) << "an unknown column";
    EXPECT_FALSE(spread.setSizeMode(6));
}

TEST_F(LayoutTest, ListedColumnsGetTheirWidthsAndTheRestIsShared) {
    ASSERT_TRUE(spread.setSizeColumns({1, 0, 9}, {50, 30, 70, 99}));
    EXPECT_EQ(spread.getSizeMode(), 5);
    EXPECT_EQ(widths(), (std::vector<int>{30, 50, 106, 106, 106}));
}

TEST_F(LayoutTest, ModesAreAppliedAgainOnEveryResize) {
    ASSERT_TRUE(spread.setSizeMode(1));
    resize(267);
    EXPECT_EQ(widths(), (std::vector<int>{50, 50, 50, 50, 50}));
    // Without the row headers the header column does not share.
    spread.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
    resize(317);
    EXPECT_EQ(width(1), 75);
    EXPECT_EQ(width(H), 50);
}

TEST_F(LayoutTest, FittingMeasuresTheTextsWithTheirFonts) {
    ASSERT_TRUE(spread.setCellText(1, 1, L"abcdef"));
    ASSERT_TRUE(spread.setColumnNames({L"Nm", L"", L"A much longer name"}));
    ASSERT_TRUE(spread.setCellText(2, 2, L"a\nb"));
    const int untouched = width(4);
    ASSERT_TRUE(spread.setSizeMode(2));
    // Tahoma 15: 8 pixels a character, 9 in bold, plus 8 of margin.
    EXPECT_EQ(width(1), 6 * 8 + 8);
    EXPECT_EQ(width(2), 1 * 8 + 8);
    EXPECT_EQ(width(3), 18 * 9 + 8);
    EXPECT_EQ(width(4), untouched) << "no text, no change";
    int height = 0;
    ASSERT_TRUE(spread.SSGetRowHeightInPixels(1, height));
    EXPECT_EQ(height, 15 + 3 + 2);
    ASSERT_TRUE(spread.SSGetRowHeightInPixels(2, height));
    EXPECT_EQ(height, 2 * (15 + 3) + 2);
    EXPECT_EQ(spread.sheet().cellType({2, 0})->style(), 140u);
    EXPECT_EQ(spread.sheet().cellType({0, 2})->style(), 140u);
}

TEST_F(LayoutTest, PictureCellsCanBeLeftOutOfTheFit) {
    ASSERT_TRUE(spread.SSSetCellType(3, 1, grid::CellType::picture(0, L"8134")));
    ASSERT_TRUE(spread.setCellText(3, 1, L"a long caption of a picture"));
    ASSERT_TRUE(spread.setCellText(3, 2, L"abc"));
    ASSERT_TRUE(spread.fitColumnWidths(true));
    EXPECT_EQ(width(3), 3 * 8 + 8);
    ASSERT_TRUE(spread.fitColumnWidths(false));
    EXPECT_EQ(width(3), 27 * 8 + 8);
}

TEST_F(LayoutTest, FillWidthGivesOneColumnWhatIsLeft) {
    spread.SSSetColWidthInPixels(H, 40);
    for (int col = 1; col <= 4; ++col)
        spread.SSSetColWidthInPixels(col, 50);
    ASSERT_TRUE(spread.fillWidthWithColumn(2));
    EXPECT_EQ(width(2), 50 + 400 - 40 - 200 - 17);
    ASSERT_TRUE(spread.fillWidthWithColumn(3));
    EXPECT_EQ(width(3), 50) << "nothing left";
    EXPECT_FALSE(spread.fillWidthWithColumn(5));
}

TEST_F(LayoutTest, FontsGoToHeadersInBoldAndToTheBodyPlain) {
    spread.fontName = L"Verdana";
    spread.fontSize = 12;
    ASSERT_TRUE(spread.setAllFonts(true));
    const grid::CellFont header = spread.sheet().format({2, 0})->font;
    EXPECT_EQ(header.face, L"Verdana");
    EXPECT_EQ(header.height, 12);
    EXPECT_EQ(header.weight, FW_BOLD);
    EXPECT_EQ(spread.sheet().format({0, 3})->font.weight, FW_BOLD);
    EXPECT_EQ(spread.sheet().format({4, 3})->font.weight, FW_NORMAL);
    EXPECT_EQ(spread.SSGetTextTip().status, 1);
    EXPECT_EQ(spread.SSGetTextTip().font.faceName(), L"Verdana");
    EXPECT_FALSE(spread.setFontRange(1, 1, 5, 1, true));
}

} // namespace
