// The ".pr" table files: what is written, what reads back, and what counts as damage.

#include "TempFolder.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"

#include <gtest/gtest.h>

namespace {

using Rows = Vdn_Array<Vdn_StringArray>;

TEST(SectionTableFile, WritesTabSeparatedRowsUnderTheHeader) {
    TempFolder folder;
    const Rows rows{{L"1"},
                    {L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German", L"h"},
                    {L"200", L"1", L"HEA200", L"HE200A", L"HEA200", L"HEA200", L"190"}};
    ASSERT_TRUE(Vdn_SectionTableManager::writeFile(folder.name("HEA.pr"), rows));
    EXPECT_EQ(folder.read("HEA.pr"), "tessa-section-table 1\n"
                                     "1\n"
                                     "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\n"
                                     "200\t1\tHEA200\tHE200A\tHEA200\tHEA200\t190\n");
}

TEST(SectionTableFile, EveryTextSurvivesARoundTrip) {
    TempFolder folder;
    const Rows rows{
        {L""}, // a table without template
        {L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German", L"Korean", L"a\tb"},
        {L"back\\slash", L"0", L"line\nbreak", L"cr\rhere", L"\u00BF\u0192\u2022\u00A4",
         L"\u00E9t\u00E9", L"\uD55C\uAD6D\uC5B4", L""},
        {L"", L"", L""},
        {L"\\t is not a tab"},
        {L""}, // an empty last row: the file ends with an empty line
    };
    std::filesystem::create_directories(folder.path() / "prof");
    ASSERT_TRUE(Vdn_SectionTableManager::writeFile(folder.name("prof/Mixed.pr"), rows));
    Vdn_String tableName;
    Rows back;
    Vdn_String problem;
    ASSERT_TRUE(
        Vdn_SectionTableManager::readFile(folder.name("prof/Mixed.pr"), tableName, back, &problem))
        << problem;
    EXPECT_EQ(tableName, L"Mixed");
    EXPECT_EQ(back, rows);
}

TEST(SectionTableFile, ARowWithoutTextsReadsBackAsOneEmptyText) {
    TempFolder folder;
    ASSERT_TRUE(Vdn_SectionTableManager::writeFile(folder.name("t.pr"), Rows{{L"1"}, {}}));
    EXPECT_EQ(folder.read("t.pr"), "tessa-section-table 1\n1\n\n");
    Vdn_String name;
    Rows back;
    ASSERT_TRUE(Vdn_SectionTableManager::readFile(folder.name("t.pr"), name, back));
    EXPECT_EQ(back, (Rows{{L"1"}, {L""}}));
}

TEST(SectionTableFile, TableNameIsTheFileNameWithoutFolderAndExtension) {
    TempFolder folder;
    folder.write("lib/prof/Hea.PR", "tessa-section-table 1\n");
    folder.write("lib/prof/Tubes.v2.pr", "tessa-section-table 1\r\nx\r\n");
    Vdn_String name;
    Rows rows{{L"stale"}};
    ASSERT_TRUE(Vdn_SectionTableManager::readFile(folder.name("lib/prof/Hea.PR"), name, rows));
    EXPECT_EQ(name, L"Hea");
    EXPECT_TRUE(rows.isEmpty()) << "a file of only the header has no rows";
    // Windows spelling and other case go through the path boundary.
    const Vdn_String windows = folder.name("lib").replace(L"/", L"\\") + L"\\PROF\\tubes.v2.pr";
    ASSERT_TRUE(Vdn_SectionTableManager::readFile(windows, name, rows));
    EXPECT_EQ(name, L"tubes.v2");
    EXPECT_EQ(rows, (Rows{{L"x"}}));
}

TEST(SectionTableFile, DamagedFilesAreRefusedAndChangeNothing) {
    struct Case {
        const char* bytes;
        const wchar_t* problem;
    };
    const Case cases[] = {
        {"", L"empty file, expected the header line"},
        {"SysName\tI/O\n",
         L"line 1: not a section-table file (expected \"tessa-section-table 1\")"},
        {"tessa-section-table\n1\n", L"line 1: not a section-table file (expected "
                                     L"\"tessa-section-table 1\")"},
        {"tessa-section-table one\n", L"line 1: bad version \"one\""},
        {"tessa-section-table 0\n", L"line 1: bad version \"0\""},
        {"tessa-section-table 2\n", L"line 1: version 2 is newer than this program reads"},
        {"tessa-section-table 1\n1\nSysName\tI/O\n200\t1\tHE\\q200A\n",
         L"line 4: unknown escape or backslash at the end of a field"},
        {"tessa-section-table 1\nname\\\tx\n",
         L"line 2: unknown escape or backslash at the end of a field"},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        folder.write("bad.pr", c.bytes);
        Vdn_String name = L"kept";
        Rows rows{{L"kept"}};
        Vdn_String problem;
        EXPECT_FALSE(Vdn_SectionTableManager::readFile(folder.name("bad.pr"), name, rows, &problem))
            << c.bytes;
        EXPECT_EQ(problem, c.problem) << c.bytes;
        EXPECT_EQ(name, L"kept");
        EXPECT_EQ(rows, (Rows{{L"kept"}}));
    }
    Vdn_String name;
    Rows rows;
    Vdn_String problem;
    EXPECT_FALSE(
        Vdn_SectionTableManager::readFile(folder.name("missing.pr"), name, rows, &problem));
    EXPECT_EQ(problem, L"cannot be read");
}

TEST(SectionTableFile, AWriteIntoAMissingFolderFails) {
    TempFolder folder;
    EXPECT_FALSE(Vdn_SectionTableManager::writeFile(folder.name("no/such/t.pr"), Rows{{L"1"}}));
}

} // namespace
