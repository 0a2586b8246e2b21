#include "GridTestSupport.h"
#include "platform/grid/sheet/SheetOption.h"

#include <filesystem>
#include <fstream>

namespace grid::test {
namespace {

// A sheet that holds one of everything a sheet can hold.
void fillEverything(Sheet& sheet) {
    sheet.setMaxCols(6);
    sheet.setMaxRows(9);
    sheet.setCellText({1, 0}, L"Name");
    sheet.setCellText({0, 2}, L"Second");
    sheet.setTag({0, 0}, L"[print]\nmargins=10\t\"quoted\" \\ back");
    sheet.setCellText({1, 1}, L"Width");
    sheet.setCellType(CellRange{{2, 1}, {2, 3}},
                      CellType::number(0x10400000, 2, -99999999999999.0, 99999999999999.0));
    sheet.setCellText({2, 1}, L"12.5");
    sheet.setFormula({2, 2}, L"=B1*2");
    sheet.setFormula({2, 3}, L"=1/0");
    sheet.setFormula({3, 1}, L"=R[1]C[-1]&\"x\"");
    sheet.setFormula({3, 2}, L"=TRUE()");
    sheet.setCellType(CellRange::single({4, 1}), CellType::edit(0x110000, 200));
    sheet.setCellText({4, 1}, L"\u00BF\u0192\u2022\u00A4 \U0001F600");
    sheet.setCellType(CellRange::single({4, 2}),
                      CellType::combo(0x100002, {L"a", L"b c", L""}, true));
    sheet.setCellType(CellRange::single({4, 3}), CellType::checkBox(768, L"", L"8136", L"8134"));
    sheet.setCellText({4, 3}, L"1");
    sheet.setCellType(CellRange::single({4, 4}), CellType::pictureButton(0x210024, L"212"));
    sheet.setCellType(CellRange::single({4, 5}), CellType::textButton(0, L"Go"));
    sheet.setCellType(CellRange::single({4, 6}), CellType::staticText(36));
    sheet.setCellType(CellRange::single({4, 7}), CellType::picture(0, L"C:\\pics\\a.bmp"));
    sheet.setLocked(CellRange{{1, 1}, {1, 3}}, true);
    sheet.setFont(CellRange{{1, 0}, {6, 0}}, CellFont{L"Tahoma", 15, 700});
    sheet.setColours(CellRange::single({5, 5}), 0xFFD1A4, 0x000000);
    sheet.setBorder(CellRange::single({5, 5}), CellBorder{18, 6, CellBorder::kDefaultColour});
    sheet.setNote({5, 5}, L"note");
    sheet.addSpan(CellRange{{5, 1}, {6, 2}});
    sheet.setColumnWidth(0, 40);
    sheet.setColumnWidth(3, 120);
    sheet.setRowHeight(0, 25);
    sheet.setRowHeight(4, 50);
    sheet.setRowHidden(8, true);
    sheet.setOption(SheetOption::kAutoCalculate, false);
    sheet.setOption(13, true);
    sheet.setOption(SheetOption::kChanged, true);
    sheet.setReferenceStyle(ReferenceStyle::R1C1);
    sheet.setGridLines(7, 0x323232);
    sheet.setActiveCell({2, 2});
    sheet.setSelection(CellRange{{1, 2}, {-1, 2}});
}

TEST(TfsFile, RoundTripsEverything) {
    Sheet original;
    fillEverything(original);
    const std::string written = original.writeTfs();
    Sheet copy;
    ASSERT_TRUE(copy.readTfs(written).ok());
    // The changed flag tells of unsaved edits; it is no part of the file.
    EXPECT_FALSE(copy.option(SheetOption::kChanged));
    copy.setOption(SheetOption::kChanged, true);
    EXPECT_EQ(copy.writeTfs(), written);

    EXPECT_EQ(copy.cellText({0, 0}, TextKind::Tag), L"[print]\nmargins=10\t\"quoted\" \\ back");
    EXPECT_EQ(copy.cellText({4, 1}, TextKind::Value), L"\u00BF\u0192\u2022\u00A4 \U0001F600");
    EXPECT_EQ(copy.cellText({2, 2}, TextKind::Formatted), L"25.00");
    EXPECT_EQ(copy.cellText({3, 1}, TextKind::Formula), L"R[1]C[-1]&\"x\"");
    EXPECT_EQ(copy.cellValue({2, 3}), Value::error(ErrorCode::Div0));
    EXPECT_EQ(copy.cellValue({3, 2}), Value::boolean(true));
    EXPECT_EQ(copy.cellType({4, 2})->items(), (std::vector<std::wstring>{L"a", L"b c", L""}));
    EXPECT_EQ(copy.cellType({4, 3})->pictureDown(), L"8134");
    EXPECT_EQ(copy.cellType({4, 7})->picture(), L"C:\\pics\\a.bmp");
    EXPECT_TRUE(copy.isLocked({1, 3}));
    EXPECT_EQ(copy.format({5, 5})->border.type, 18);
    EXPECT_EQ(copy.note({5, 5}), L"note");
    EXPECT_EQ(copy.spanAt({6, 2}), (CellRange{{5, 1}, {6, 2}}));
    EXPECT_EQ(copy.columnWidth(0), 40);
    EXPECT_EQ(copy.rowHeight(4), 50);
    EXPECT_TRUE(copy.isRowHidden(8));
    EXPECT_FALSE(copy.option(SheetOption::kAutoCalculate));
    EXPECT_TRUE(copy.option(13));
    EXPECT_EQ(copy.referenceStyle(), ReferenceStyle::R1C1);
    EXPECT_EQ(copy.gridType(), 7);
    EXPECT_EQ(copy.gridColour(), 0x323232u);
    EXPECT_EQ(copy.activeCell(), (CellRef{2, 2}));
    EXPECT_EQ(copy.selection(), (CellRange{{1, 2}, {-1, 2}}));
    // The loaded formulas are live.
    copy.setOption(SheetOption::kAutoCalculate, true);
    copy.setCellText({2, 1}, L"1");
    EXPECT_EQ(copy.cellText({2, 2}, TextKind::Value), L"2");
}

TEST(TfsFile, WritesTheDocumentedForm) {
    Sheet sheet;
    sheet.setMaxCols(2);
    sheet.setMaxRows(2);
    sheet.setCellText({1, 1}, L"4");
    sheet.setFormula({2, 1}, L"=A1/2");
    sheet.setCellType(CellRange::single({1, 2}), CellType::edit(0x110000, 200));
    sheet.setCellText({1, 2}, L"say \"hi\"");
    sheet.setTag({0, 0}, L"t");
    EXPECT_EQ(sheet.writeTfs(), "tessa-sheet 1\n"
                                "size 2 2\n"
                                "refstyle 0\n"
                                "tag 0 0 \"t\"\n"
                                "value 1 1 number 4\n"
                                "formula 2 1 \"A1/2\" number 2\n"
                                "value 1 2 text \"say \\\"hi\\\"\"\n"
                                "type 1 2 edit 0x110000 200\n"
                                "end\n");
    EXPECT_EQ(sheet.writeTfs(true), "tessa-sheet 1\n"
                                    "size 2 2\n"
                                    "tag 0 0 \"t\"\n"
                                    "value 1 1 number 4\n"
                                    "formula 2 1 \"A1/2\" number 2\n"
                                    "value 1 2 text \"say \\\"hi\\\"\"\n"
                                    "end\n");
}

TEST(TfsFile, FormulasWithoutAResultAreComputedOnLoad) {
    Sheet sheet;
    ASSERT_TRUE(sheet
                    .readTfs("tessa-sheet 1\r\n"
                             "size 3 1\r\n"
                             "\r\n"
                             "formula 3 1 \"B1+1\"\r\n"
                             "formula 2 1 \"A1*2\"\r\n"
                             "value 1 1 number 5\r\n"
                             "end\r\n")
                    .ok());
    EXPECT_EQ(sheet.cellValue({3, 1}), Value::number(11));
}

struct Damaged {
    const char* name;
    const char* text;
    std::size_t line;
    const wchar_t* reasonPart;
};

TEST(TfsFile, DamagedFilesFailAndLeaveTheSheetAsItWas) {
    const Damaged cases[] = {
        {"empty", "", 0, L"empty file"},
        {"not a sheet", "hello\n", 1, L"tessa-sheet"},
        {"newer", "tessa-sheet 2\nsize 1 1\nend\n", 1, L"newer"},
        {"size not first", "tessa-sheet 1\nvalue 1 1 number 1\nsize 1 1\nend\n", 2, L"size"},
        {"unknown record", "tessa-sheet 1\nsize 1 1\nfoo 1\nend\n", 3, L"unknown record"},
        {"outside", "tessa-sheet 1\nsize 2 2\nvalue 3 1 number 1\nend\n", 3, L"bad number"},
        {"bad formula", "tessa-sheet 1\nsize 2 2\nformula 1 1 \"1+\"\nend\n", 3, L"formula"},
        {"open quote", "tessa-sheet 1\nsize 2 2\ntag 1 1 \"abc\nend\n", 3, L"closing quote"},
        {"bad escape", "tessa-sheet 1\nsize 2 2\ntag 1 1 \"a\\q\"\nend\n", 3, L"escape"},
        {"cut short", "tessa-sheet 1\nsize 2 2\nvalue 1 1 number 1\n", 3, L"no \"end\""},
        {"after end", "tessa-sheet 1\nsize 2 2\nend\nvalue 1 1 number 1\n", 4, L"after"},
        {"overlapping spans", "tessa-sheet 1\nsize 4 4\nspan 1 1 2 2\nspan 2 2 3 3\nend\n", 4,
         L"span"},
        {"bad value", "tessa-sheet 1\nsize 2 2\nvalue 1 1 number 1x\nend\n", 3, L"bad number"},
        {"bad type", "tessa-sheet 1\nsize 2 2\ntype 1 1 slider 0x0\nend\n", 3, L"cell type"},
        {"missing fields", "tessa-sheet 1\nsize 2 2\nfont 1 1 \"Tahoma\" 15\nend\n", 3, L"fields"},
        {"formula in header", "tessa-sheet 1\nsize 2 2\nformula 1 0 \"1\"\nend\n", 3, L"header"},
        {"bad grid lines", "tessa-sheet 1\nsize 2 2\ngridlines 7\nend\n", 3, L"fields"},
        {"not UTF-8", "tessa-sheet 1\nsize 2 2\ntag 1 1 \"\xE9\"\nend\n", 0, L"UTF-8"},
    };
    for (const Damaged& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet sheet;
        fillEverything(sheet);
        const std::string before = sheet.writeTfs();
        const Result result = sheet.readTfs(c.text);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.where().line, c.line);
        EXPECT_NE(result.message().find(c.reasonPart), std::wstring::npos)
            << narrow(result.message());
        EXPECT_EQ(sheet.writeTfs(), before);
    }
}

TEST(TfsFile, SavesAndLoadsFiles) {
    const auto folder = std::filesystem::temp_directory_path() / "tessa_grid_tfs_test";
    std::filesystem::create_directories(folder);
    const auto path = folder / "sheet.tfs";
    Sheet original;
    fillEverything(original);
    ASSERT_TRUE(original.saveTfs(path));
    Sheet loaded;
    ASSERT_TRUE(loaded.loadTfs(path).ok());
    EXPECT_EQ(loaded.cellText({1, 0}, TextKind::Value), L"Name");
    const Result missing = loaded.loadTfs(folder / "missing.tfs");
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(loaded.cellText({1, 0}, TextKind::Value), L"Name");
    EXPECT_FALSE(original.saveTfs(folder / "no-such-folder" / "x.tfs"));
    std::filesystem::remove_all(folder);
}

TEST(Diagnostics, NameFileLineAndColumnAsFarAsTheyAreKnown) {
    const struct {
        const wchar_t* file;
        TextLocation where;
        const wchar_t* expected;
    } cases[] = {
        {L"a.tfs", {3, 7}, L"a.tfs:3:7: bad"},
        {L"a.tfs", TextLocation::atLine(3), L"a.tfs:3: bad"},
        {L"a.tfs", {}, L"a.tfs: bad"},
        {L"", TextLocation::inFormula(4), L"line 1, column 5: bad"},
        {L"", TextLocation::atLine(2), L"line 2: bad"},
        {L"", {}, L"bad"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatDiagnostic(c.file, c.where, L"bad"), c.expected);
}

} // namespace
} // namespace grid::test
