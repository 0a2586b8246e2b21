// gSectionTables: the library's tables, the names that find a section, and its values.

#include "TempFolder.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/settings/Vdn_Settings.h"

#include <gtest/gtest.h>

namespace {

using Rows = Vdn_Array<Vdn_StringArray>;

// Points the library folder somewhere for one test and forgets the tables read meanwhile.
class SectionTablesTest : public ::testing::Test {
protected:
    ~SectionTablesTest() override { gSectionTables.reload(); }

    void useExampleLibrary() {
        gSettings.setLibDir(Vdn_String::fromUtf8(TESSA_SOURCE_ROOT) + L"/examples/library");
    }
    void useLibrary(const TempFolder& folder) { gSettings.setLibDir(folder.name("lib")); }

    Vdn_String systemName(const Vdn_String& name) {
        Vdn_String result = L"(none)";
        gSectionTables.getSystemName(name, result);
        return result;
    }

    SettingsRestorer restorer;
};

TEST_F(SectionTablesTest, EveryNamingOfASectionFindsItsSystemName) {
    useExampleLibrary();
    struct Case {
        const wchar_t* name;
        const wchar_t* systemName;
    };
    const Case cases[] = {
        {L"HEA-200", L"HEA-200"},                            // the system name
        {L"hea-200", L"HEA-200"}, {L"HEA200", L"HEA-200"},   // Dutch, French and German user name
        {L"HE200A", L"HEA-200"},                             // English user name
        {L"he200a", L"HEA-200"},  {L"HE 200 A", L"HEA-200"}, // loosely written
        {L"HEA 200", L"HEA-200"}, {L"HE-200-A", L"HEA-200"}, {L"HEA_500", L"HEA-500"},
        {L"IPE 80", L"IPE-80"},   {L"IPE600", L"IPE-600"},   {L"HEB200", L"(none)"},
        {L"HEA210", L"(none)"},   {L"200", L"(none)"},       {L"", L"(none)"},
        {L" - ", L"(none)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(systemName(c.name), c.systemName) << c.name;
    EXPECT_TRUE(gSectionTables.diagnostics().isEmpty()) << gSectionTables.diagnostics();
}

TEST_F(SectionTablesTest, ValuesAndColumnNamesOfTheExampleSections) {
    useExampleLibrary();
    Vdn_StringArray columns;
    ASSERT_TRUE(gSectionTables.getSectionColumnNames(L"HE200A", columns));
    EXPECT_EQ(columns, (Vdn_StringArray{L"h", L"b", L"tw", L"tf", L"r", L"A", L"G"}));
    struct Case {
        const wchar_t* section;
        int index;
        const wchar_t* value; // null: no such value
    };
    const Case cases[] = {
        {L"HEA-200", 0, L"190"},  {L"HEA-200", 1, L"200"},  {L"HEA-200", 2, L"6.5"},
        {L"HEA-200", 3, L"10"},   {L"HEA-200", 4, L"18"},   {L"HEA-200", 5, L"53.83"},
        {L"HEA-200", 6, L"42.3"}, {L"HEA-200", 7, nullptr}, {L"HEA-200", -1, nullptr},
        {L"IPE 300", 0, L"300"},  {L"IPE 300", 2, L"7.1"},  {L"IPE300", 6, L"42.2"},
        {L"HEA-320", 1, L"300"},  {L"NOPE-1", 0, nullptr},
    };
    for (const Case& c : cases) {
        Vdn_String value = L"untouched";
        EXPECT_EQ(gSectionTables.getSectionValue(c.section, c.index, value), c.value != nullptr)
            << c.section << " " << c.index;
        EXPECT_EQ(value, c.value ? c.value : L"untouched") << c.section << " " << c.index;
    }
}

TEST_F(SectionTablesTest, UserNameFollowsTheWorkLanguage) {
    useExampleLibrary();
    Vdn_String name;
    ASSERT_TRUE(gSettings.setWorkLanguage(Vdn_Settings::English));
    ASSERT_TRUE(gSectionTables.getUserName(L"HEA-200", name));
    EXPECT_EQ(name, L"HE200A");
    ASSERT_TRUE(gSettings.setWorkLanguage(Vdn_Settings::Dutch));
    ASSERT_TRUE(gSectionTables.getUserName(L"HE 200 A", name));
    EXPECT_EQ(name, L"HEA200");
    EXPECT_FALSE(gSectionTables.getUserName(L"HEB-200", name));
}

TEST_F(SectionTablesTest, KoreanColumnMakesFiveLanguagesAndShiftsTheValues) {
    TempFolder folder;
    folder.write("lib/prof/K.pr",
                 "tessa-section-table 1\n"
                 "1\n"
                 "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\tKorean\th\tb\n"
                 "10\t1\tK10\tK10e\tK10f\tK10d\t\xEC\x97\x90\xEC\x9D\xB4\x31\x30\t100\t50\n");
    folder.write("lib/prof/F.pr", // "korean" is not the name of the fifth language
                 "tessa-section-table 1\n"
                 "1\n"
                 "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\tkorean\th\n"
                 "10\t1\tF10\tF10e\tF10f\tF10d\t7\t8\n");
    useLibrary(folder);
    Vdn_StringArray columns;
    ASSERT_TRUE(gSectionTables.getSectionColumnNames(L"K-10", columns));
    EXPECT_EQ(columns, (Vdn_StringArray{L"h", L"b"}));
    Vdn_String value;
    ASSERT_TRUE(gSectionTables.getSectionValue(L"K-10", 0, value));
    EXPECT_EQ(value, L"100");
    EXPECT_EQ(systemName(L"\uC5D0\uC774 10"), L"K-10") << "the Korean name finds it too";
    ASSERT_TRUE(gSectionTables.getSectionColumnNames(L"F-10", columns));
    EXPECT_EQ(columns, (Vdn_StringArray{L"korean", L"h"}));
    ASSERT_TRUE(gSectionTables.getSectionValue(L"F10", 0, value));
    EXPECT_EQ(value, L"7");
}

TEST_F(SectionTablesTest, UnusableFilesAreReportedAndTheOthersStillLoad) {
    TempFolder folder;
    folder.write("lib/prof/Good.pr", "tessa-section-table 1\n1\n"
                                     "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\n"
                                     "1\t1\tG1\tG1\tG1\tG1\t10\n"
                                     "1\t0\tG1b\tG1b\tG1b\tG1b\t11\n");
    folder.write("lib/prof/Damaged.pr", "tessa-section-table 1\n1\nSysName\\x\n");
    folder.write("lib/prof/Short.pr", "tessa-section-table 1\n1\n");
    folder.write("lib/prof/Narrow.pr", "tessa-section-table 1\n1\nSysName\tI/O\tDutch\n");
    folder.write("lib/prof/notes.txt", "not a table");
    useLibrary(folder);
    Vdn_String value;
    ASSERT_TRUE(gSectionTables.getSectionValue(L"Good-1", 0, value));
    EXPECT_EQ(value, L"10") << "the first of two rows with one system name counts";
    ASSERT_TRUE(gSectionTables.getSectionValue(L"G1b", 0, value));
    EXPECT_EQ(value, L"11") << "the second row is still found by its user name";
    EXPECT_FALSE(gSectionTables.hasTable(L"Damaged.pr"));
    EXPECT_FALSE(gSectionTables.hasTable(L"Short"));
    EXPECT_FALSE(gSectionTables.hasTable(L"Narrow"));
    const Vdn_String lib = folder.name("lib/prof/");
    EXPECT_EQ(gSectionTables.diagnostics(),
              (Vdn_StringArray{
                  lib + L"Damaged.pr: line 3: unknown escape or backslash at the end of a field",
                  lib + L"Good.pr: system names given twice (the first row counts): 1",
                  lib + L"Narrow.pr: the columns stop before the last language column",
                  lib + L"Short.pr: no row of column names"}));
}

TEST_F(SectionTablesTest, TablesFollowTheLibraryFolder) {
    TempFolder folder;
    folder.write("lib/prof/HEA.pr", "tessa-section-table 1\n1\n"
                                    "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\n"
                                    "200\t1\tHEA200\tHE200A\tHEA200\tHEA200\t999\n");
    useExampleLibrary();
    Vdn_String value;
    ASSERT_TRUE(gSectionTables.getSectionValue(L"HEA-200", 0, value));
    EXPECT_EQ(value, L"190");
    useLibrary(folder);
    ASSERT_TRUE(gSectionTables.getSectionValue(L"HEA-200", 0, value));
    EXPECT_EQ(value, L"999");
    EXPECT_FALSE(gSectionTables.hasTable(L"IPE")) << "the other library's tables are gone";
}

TEST_F(SectionTablesTest, TablesHandedOverReplaceTheirFiles) {
    useExampleLibrary();
    const Vdn_StringArray columns{L"SysName", L"Dutch", L"English", L"French", L"German", L"h"};
    const Rows rows{{L"200", L"HEA200", L"HE200A", L"HEA200", L"HEA200", L"191"},
                    {L"210", L"HEA210", L"HE210A", L"HEA210", L"HEA210", L"201"}};
    EXPECT_EQ(gSectionTables.addSectionTable(L"HEA.pr", L"1", columns, rows), Acad::eInvalidInput)
        << "a held name must be removed first";
    ASSERT_TRUE(gSectionTables.hasTable(L"hea.PR"));
    ASSERT_TRUE(gSectionTables.removeTable(L"HEA.pr"));
    EXPECT_FALSE(gSectionTables.removeTable(L"HEA.pr"));
    EXPECT_EQ(systemName(L"HE200A"), L"(none)");
    ASSERT_EQ(gSectionTables.addSectionTable(L"HEA.pr", L"1", columns, rows), Acad::eOk);
    EXPECT_EQ(systemName(L"HE 210 A"), L"HEA-210");
    Vdn_String value;
    ASSERT_TRUE(gSectionTables.getSectionValue(L"HEA-200", 0, value));
    EXPECT_EQ(value, L"191");
    EXPECT_EQ(systemName(L"IPE200"), L"IPE-200") << "other tables stay";

    EXPECT_EQ(gSectionTables.addSectionTable(L"", L"1", columns, rows), Acad::eInvalidInput);
    EXPECT_EQ(gSectionTables.addSectionTable(L".pr", L"1", columns, rows), Acad::eInvalidInput);
    EXPECT_EQ(gSectionTables.addSectionTable(L"Few.pr", L"1", {L"SysName", L"Dutch"}, rows),
              Acad::eInvalidInput);
}

TEST_F(SectionTablesTest, StrictNamesWinOverLooseOnesAndEarlierTablesOverLater) {
    TempFolder folder;
    useLibrary(folder);
    const Vdn_StringArray columns{L"SysName", L"Dutch", L"English", L"French", L"German"};
    // "A-B1" of table A is loosely "ab1"; table B has a section whose user name is "AB1".
    ASSERT_EQ(gSectionTables.addSectionTable(
                  L"B", L"", columns,
                  {{L"9", L"AB1", L"AB1", L"AB1", L"AB1"}, {L"8", L"X", L"X", L"X", L"X"}}),
              Acad::eOk);
    ASSERT_EQ(gSectionTables.addSectionTable(
                  L"A", L"", columns,
                  {{L"B1", L"A1", L"A1", L"A1", L"A1"}, {L"2", L"X", L"X", L"X", L"X"}}),
              Acad::eOk);
    EXPECT_EQ(systemName(L"AB1"), L"B-9") << "a user name is matched before a loose name";
    EXPECT_EQ(systemName(L"A B 1"), L"A-B1") << "loosely equal to both: table A comes first";
    EXPECT_EQ(systemName(L"x"), L"A-2") << "one user name in two tables: the first table";
}

} // namespace
