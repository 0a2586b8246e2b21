#include "GridTestSupport.h"
#include "platform/grid/files/CsvReader.h"

#include <filesystem>

namespace grid::test {
namespace {

struct SeparatorCase {
    const char* name;
    const wchar_t* text;
    wchar_t separator;
};

TEST(CsvFile, DetectsTheSeparator) {
    const SeparatorCase cases[] = {
        {"comma", L"a,b,c\n1,2,3\n", L','},
        {"semicolon", L"a;b;c\n1;2;3\n", L';'},
        {"tab", L"a\tb\n1\t2\n", L'\t'},
        {"decimal commas", L"1,5;2,5\n3,5;4,5\n", L';'},
        {"quoted separators", L"\"a;b\",c\n\"d;e\",f\n", L','},
        {"one column", L"a\nb\n", L','},
        {"uneven, most in first line", L"a;b;c\nd\n", L';'},
    };
    for (const SeparatorCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CsvReader::detectSeparator(c.text), c.separator);
    }
}

TEST(CsvFile, FieldsBecomeFormulasNumbersOrTexts) {
    Sheet sheet;
    ASSERT_TRUE(sheet.readCsv("12,-3.5,1E3,abc\r\n=A1*2,,\" 7 \",=SUM(A1:C1)\r\n").ok());
    EXPECT_EQ(sheet.maxCols(), 4);
    EXPECT_EQ(sheet.maxRows(), 2);
    EXPECT_EQ(sheet.cellValue({1, 1}), Value::number(12));
    EXPECT_EQ(sheet.cellValue({2, 1}), Value::number(-3.5));
    EXPECT_EQ(sheet.cellValue({3, 1}), Value::number(1000));
    EXPECT_EQ(sheet.cellValue({4, 1}), Value::text(L"abc"));
    EXPECT_EQ(sheet.cellValue({1, 2}), Value::number(24));
    EXPECT_EQ(sheet.cellValue({2, 2}), Value());
    EXPECT_EQ(sheet.cellValue({3, 2}), Value::number(7));
    EXPECT_EQ(sheet.cellValue({4, 2}), Value::number(1008.5));
}

TEST(CsvFile, FollowsRfc4180Quoting) {
    Sheet sheet;
    ASSERT_TRUE(sheet.readCsv("\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\nlast,,\n").ok());
    EXPECT_EQ(sheet.cellValue({1, 1}), Value::text(L"a,b"));
    EXPECT_EQ(sheet.cellValue({2, 1}), Value::text(L"say \"hi\""));
    EXPECT_EQ(sheet.cellValue({3, 1}), Value::text(L"two\r\nlines"));
    EXPECT_EQ(sheet.cellValue({1, 2}), Value::text(L"last"));
    EXPECT_EQ(sheet.maxRows(), 2);
    EXPECT_EQ(sheet.maxCols(), 3);
}

TEST(CsvFile, ReadsOtherEncodings) {
    Sheet sheet;
    ASSERT_TRUE(sheet.readCsv("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9;x\n").ok()); // UTF-8 with BOM
    EXPECT_EQ(sheet.cellValue({1, 1}), Value::text(L"\u00E9t\u00E9"));
    ASSERT_TRUE(sheet.readCsv("caf\xE9,\x80\n").ok()); // Windows-1252
    EXPECT_EQ(sheet.cellValue({1, 1}), Value::text(L"caf\u00E9"));
    EXPECT_EQ(sheet.cellValue({2, 1}), Value::text(L"\u20AC"));
    ASSERT_TRUE(sheet
                    .readCsv(std::string("\xFF\xFE"
                                         "a\0,\0b\0",
                                         8))
                    .ok()); // UTF-16 LE
    EXPECT_EQ(sheet.cellValue({2, 1}), Value::text(L"b"));
}

struct DamagedCsv {
    const char* name;
    const char* text;
    std::size_t line;
};

TEST(CsvFile, DamagedInputFailsAndLeavesTheSheetAsItWas) {
    const DamagedCsv cases[] = {
        {"open quote", "a,b\n\"c,d\n", 2},
        {"text after quote", "a,\"b\"c\n", 1},
        {"bad formula", "1,2\n3,=1+\n", 2},
    };
    for (const DamagedCsv& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet sheet;
        sheet.setMaxCols(2);
        sheet.setMaxRows(2);
        sheet.setCellText({1, 1}, L"kept");
        const Result result = sheet.readCsv(c.text);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.where().line, c.line);
        EXPECT_EQ(sheet.cellValue({1, 1}), Value::text(L"kept"));
        EXPECT_EQ(sheet.maxCols(), 2);
    }
}

TEST(CsvFile, ExportsWhatImportReadsBack) {
    Sheet sheet;
    sheet.setMaxCols(3);
    sheet.setMaxRows(3);
    sheet.setCellText({1, 1}, L"12.5");
    sheet.setCellText({2, 1}, L"a;b");
    sheet.setCellText({3, 1}, L"say \"x\"");
    sheet.setFormula({1, 2}, L"=A1*2");
    sheet.setCellText({2, 2}, L" padded ");
    sheet.setCellType(CellRange::single({3, 3}), CellType::number(0, 2, -10, 10));
    sheet.setCellText({3, 3}, L"1.256");
    EXPECT_EQ(sheet.writeCsv(L';'),
              "12.5;\"a;b\";\"say \"\"x\"\"\"\r\n=A1*2;\" padded \";\r\n;;1.26\r\n");
    Sheet copy;
    ASSERT_TRUE(copy.readCsv(sheet.writeCsv(L';')).ok());
    EXPECT_EQ(copy.cellValue({2, 1}), Value::text(L"a;b"));
    EXPECT_EQ(copy.cellValue({1, 2}), Value::number(25));
    EXPECT_EQ(copy.cellValue({2, 2}), Value::text(L" padded "));
    EXPECT_EQ(copy.maxRows(), 3);

    const auto path = std::filesystem::temp_directory_path() / "tessa_grid_csv_test.csv";
    ASSERT_TRUE(sheet.exportCsv(path, L'\t'));
    Sheet fromFile;
    ASSERT_TRUE(fromFile.importCsv(path).ok());
    EXPECT_EQ(fromFile.cellValue({3, 1}), Value::text(L"say \"x\""));
    EXPECT_FALSE(sheet.exportCsv(path, L'|'));
    std::filesystem::remove(path);
}

} // namespace
} // namespace grid::test
