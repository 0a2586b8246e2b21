#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "tests/core/TempFolder.h"
#include "tests/library/ProfTableSamples.h"

#include <gtest/gtest.h>
#include <limits>

using libtest::heaTable;

namespace {

// --- columns and languages ---------------------------------------------------------------------

TEST(ProfValuesTableColumns, LanguageCountFollowsTheNameOfColumnSix) {
    struct Case {
        Vdn_StringArray columns;
        int languages;
    };
    const Case cases[] = {
        {{L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German", L"Korean", L"h"}, 5},
        {{L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German", L"Korean"}, 5},
        {{L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German", L"korean", L"h"}, 4},
        {{L"SysName", L"I/O", L"Dutch", L"English", L"French", L"Korean", L"h"}, 4},
        {{L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German", L"h"}, 4},
        {{}, 4},
    };
    for (const Case& c : cases) {
        Vdn_ProfValuesTable table;
        table.columnNames = c.columns;
        EXPECT_EQ(table.getNrLanguages(), c.languages) << c.columns;
    }
}

TEST(ProfValuesTableColumns, ColumnsByIndexAndByName) {
    Vdn_ProfValuesTable table = heaTable();
    table.rows[1] = {L"120", L"0", L"HEA120"}; // a short row reads as empty texts
    Vdn_StringArray values;
    ASSERT_TRUE(table.getColumn(values, 6));
    EXPECT_EQ(values, (Vdn_StringArray{L"96", L"", L"133"}));
    ASSERT_TRUE(table.getColumn(values, Vdn_String(L"ENGLISH")));
    EXPECT_EQ(values, (Vdn_StringArray{L"HE100A", L"", L"HE140A"}));
    EXPECT_EQ(table.getColumnIdx(L"b"), 7);
    EXPECT_EQ(table.getColumnIdx(L"Korean"), -1);

    for (const int column : {-1, 8}) {
        EXPECT_FALSE(table.getColumn(values, column)) << column;
        EXPECT_TRUE(values.isEmpty());
    }
    EXPECT_FALSE(table.getColumn(values, Vdn_String(L"Korean")));
    table.rows.clear();
    EXPECT_FALSE(table.getColumn(values, 0));
}

TEST(ProfValuesTableRows, GetAndDeleteCheckTheIndex) {
    Vdn_ProfValuesTable table = heaTable();
    Vdn_StringArray row = {L"kept"};
    EXPECT_FALSE(table.getRow(row, 3));
    EXPECT_FALSE(table.getRow(row, -1));
    EXPECT_EQ(row, (Vdn_StringArray{L"kept"}));
    ASSERT_TRUE(table.getRow(row, 2));
    EXPECT_EQ(row[0], L"140");

    EXPECT_FALSE(table.deleteRow(3));
    ASSERT_TRUE(table.deleteRow(0));
    ASSERT_EQ(table.rows.length(), 2);
    EXPECT_EQ(table.rows[0][0], L"120");
}

// --- system names and flags ---------------------------------------------------------------------

// Flags "1", "0", "x", "" and "1": only "0" hides a name, but every flag other than "1" counts
// as inactive for the filtered index.
Vdn_ProfValuesTable tableWithFlags() {
    Vdn_ProfValuesTable table = heaTable();
    table.rows = {{L"100", L"1"}, {L"120", L"0"}, {L"140", L"x"}, {L"160", L""}, {L"180", L"1"}};
    return table;
}

TEST(ProfValuesTableNames, FilteredNamesHideOnlyFlagZero) {
    const Vdn_ProfValuesTable table = tableWithFlags();
    Vdn_StringArray names;
    ASSERT_TRUE(table.getSysNames(names));
    EXPECT_EQ(names, (Vdn_StringArray{L"HEA-100", L"HEA-120", L"HEA-140", L"HEA-160", L"HEA-180"}));
    ASSERT_TRUE(table.getFilteredSysNames(names));
    EXPECT_EQ(names, (Vdn_StringArray{L"HEA-100", L"HEA-140", L"HEA-160", L"HEA-180"}));
}

TEST(ProfValuesTableNames, FilteredIndexCountsEveryFlagOtherThanOneAsInactive) {
    const Vdn_ProfValuesTable table = tableWithFlags();
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, -1}, {-1, -1}};
    for (const auto& [index, filtered] : cases)
        EXPECT_EQ(table.getfilteredIdx(index), filtered) << index;
}

TEST(ProfValuesTableNames, NothingWithoutSystemNameAndFlagColumns) {
    Vdn_ProfValuesTable table = heaTable();
    table.rows = {{L"100"}, {L"120", L"1"}};
    Vdn_StringArray names = {L"old"};
    EXPECT_FALSE(table.getSysNames(names));
    EXPECT_TRUE(names.isEmpty());
    names = {L"old"};
    EXPECT_FALSE(table.getFilteredSysNames(names));
    EXPECT_TRUE(names.isEmpty());
}

TEST(ProfValuesTableNames, FindsSystemNamesWithoutRegardToCase) {
    Vdn_ProfValuesTable table = heaTable();
    table.rows[1][0] = L"120B";
    int index = -7;
    ASSERT_TRUE(table.findSysName(L"120b", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(table.findSysName(L"HEA-120B", index));
    EXPECT_EQ(index, 1) << "left alone when not found";
    EXPECT_EQ(table.findUnusedSysName(L"120").str(), L"120");
    EXPECT_EQ(table.findUnusedSysName(L"140").str(), L"141");
    EXPECT_EQ(table.findUnusedSysName(L"100").str(), L"101");
    EXPECT_EQ(table.findUnusedSysName(L"300").str(), L"300");
}

TEST(ProfValuesTableRows, RemovesOnlyRowsFlaggedZero) {
    Vdn_ProfValuesTable table = tableWithFlags();
    table.rows.append({L"200"});
    table.removeInactiveEntries();
    Vdn_StringArray sysNames;
    ASSERT_TRUE(table.getColumn(sysNames, 0));
    EXPECT_EQ(sysNames, (Vdn_StringArray{L"100", L"140", L"160", L"180", L"200"}));
}

// --- changing rows -------------------------------------------------------------------------------

TEST(ProfValuesTableValues, ValuesNeedExactlyTheRowsValueColumns) {
    Vdn_ProfValuesTable korean = heaTable();
    korean.columnNames = {L"SysName", L"I/O",    L"Dutch", L"English", L"French",
                          L"German",  L"Korean", L"h",     L"b"};
    const Vdn_StringArray row = {L"100",    L"1",    L"HEA100", L"HE100A", L"HEA100",
                                 L"HEA100", L"H100", L"96",     L"100"};
    korean.rows = {row};
    ASSERT_EQ(korean.getNrLanguages(), 5);

    struct Case {
        AcArray<double> values;
        Acad::ErrorStatus status;
    };
    const Case cases[] = {
        {{190.0, 200.25}, Acad::eOk},
        {{190.0}, Acad::eInvalidInput},
        {{190.0, 200.0, 9.0}, Acad::eInvalidInput},
        {{190.0, std::numeric_limits<double>::quiet_NaN()}, Acad::eInvalidInput},
        {{std::numeric_limits<double>::infinity(), 1.0}, Acad::eInvalidInput},
    };
    for (const Case& c : cases) {
        korean.rows[0] = row;
        EXPECT_EQ(korean.setValues(0, c.values), c.status) << c.values.length();
        if (c.status == Acad::eOk) {
            EXPECT_EQ(korean.rows[0][7], L"190.0");
            EXPECT_EQ(korean.rows[0][8], L"200.3");
            EXPECT_EQ(korean.rows[0][6], L"H100") << "the fifth user name is no value";
        } else {
            EXPECT_EQ(korean.rows[0], row) << "a refused row is unchanged";
        }
    }
    EXPECT_EQ(korean.setValues(1, {1.0, 2.0}), Acad::eInvalidInput);

    // The same row under four languages has one value column more.
    Vdn_ProfValuesTable four = korean;
    four.columnNames[6] = L"c";
    EXPECT_EQ(four.setValues(0, {1.0, 2.0}), Acad::eInvalidInput);
    ASSERT_EQ(four.setValues(0, {7.0, 1.0, 2.0}), Acad::eOk);
    EXPECT_EQ(four.rows[0][6], L"7.0");
}

TEST(ProfValuesTableNaming, SystemNamesStayUnique) {
    Vdn_ProfValuesTable table = heaTable();
    EXPECT_EQ(table.setSysName(0, L"140"), Acad::eInvalidInput);
    EXPECT_EQ(table.setSysName(0, L"100"), Acad::eOk) << "a row may keep its own name";
    EXPECT_EQ(table.setSysName(0, L"110"), Acad::eOk);
    EXPECT_EQ(table.rows[0][0], L"110");
    EXPECT_EQ(table.setSysName(3, L"160"), Acad::eInvalidInput);
    table.rows.append(Vdn_StringArray());
    EXPECT_EQ(table.setSysName(3, L"160"), Acad::eInvalidInput) << "an empty row";

    EXPECT_EQ(table.setUserNames(1, L"X"), Acad::eOk);
    EXPECT_EQ(table.rows[1],
              (Vdn_StringArray{L"120", L"0", L"X", L"X", L"X", L"X", L"114", L"120"}));
    table.rows[2] = {L"140", L"1", L"a", L"b", L"c"};
    EXPECT_EQ(table.setUserNames(2, L"X"), Acad::eInvalidInput);
    EXPECT_EQ(table.setUserNames(9, L"X"), Acad::eInvalidInput);
}

class ProfValuesTableInsert : public ::testing::Test {
protected:
    SettingsRestorer restorer;
};

TEST_F(ProfValuesTableInsert, CopiesTheRowWithAFreeNameInTheWorkLanguage) {
    struct Case {
        Vdn_Settings::Language language;
        int column;
        const wchar_t* userName;
    };
    const Case cases[] = {
        {Vdn_Settings::Dutch, 2, L"HEA101"},
        {Vdn_Settings::English, 3, L"HE101"},
        {Vdn_Settings::French, 4, L"HEA101"},
    };
    for (const Case& c : cases) {
        gSettings.setWorkLanguage(c.language);
        Vdn_ProfValuesTable table = heaTable();
        ASSERT_TRUE(table.insertRow(0)) << c.language;
        ASSERT_EQ(table.rows.length(), 4);
        Vdn_StringArray expected = heaTable().rows[0];
        expected[0] = L"101";
        expected[c.column] = c.userName;
        EXPECT_EQ(table.rows[1], expected) << c.language;
        EXPECT_EQ(table.rows[2][0], L"120");
    }
}

TEST_F(ProfValuesTableInsert, NamePrefixFallsBackToTheTableName) {
    gSettings.setWorkLanguage(Vdn_Settings::Dutch);
    Vdn_ProfValuesTable table = heaTable();
    table.rows[0][2] = L"Special";
    table.rows[1][0] = L"";
    table.rows[1][2] = L"";
    ASSERT_TRUE(table.insertRow(0));
    EXPECT_EQ(table.rows[1][2], L"HEA101") << "a user name without digits gives no prefix";
    ASSERT_TRUE(table.insertRow(2));
    EXPECT_EQ(table.rows[3][0], L"1") << "an empty system name starts from 1";
    EXPECT_EQ(table.rows[3][2], L"HEA1");
    table.rows[0][2] = L"200x10";
    ASSERT_TRUE(table.insertRow(0));
    EXPECT_EQ(table.rows[1][2], L"HEA102") << "an empty prefix is not used";
}

TEST_F(ProfValuesTableInsert, RefusedAfterTheLastRowAndWithoutALanguageColumn) {
    gSettings.setWorkLanguage(Vdn_Settings::Dutch);
    const Vdn_ProfValuesTable original = heaTable();
    Vdn_ProfValuesTable table = original;
    EXPECT_FALSE(table.insertRow(2)) << "after the last row";
    EXPECT_FALSE(table.insertRow(3));
    EXPECT_FALSE(table.insertRow(-2));
    EXPECT_EQ(table, original);

    table.columnNames[2] = L"Nederlands";
    EXPECT_FALSE(table.insertRow(0)) << "no column for the work language";
    EXPECT_EQ(table.rows, original.rows);
    gSettings.setWorkLanguage(Vdn_Settings::English);
    EXPECT_TRUE(table.insertRow(0));
}

TEST_F(ProfValuesTableInsert, NamedInsertNamesTheNewRowAndKeepsTheCopiedOne) {
    gSettings.setWorkLanguage(Vdn_Settings::Dutch);
    Vdn_ProfValuesTable table = heaTable();
    ASSERT_EQ(table.insertRow(1, L"130", L"HEA130"), Acad::eOk);
    ASSERT_EQ(table.rows.length(), 4);
    EXPECT_EQ(table.rows[1], heaTable().rows[1]) << "the copied row is not renamed";
    EXPECT_EQ(table.rows[2], (Vdn_StringArray{L"130", L"0", L"HEA130", L"HEA130", L"HEA130",
                                              L"HEA130", L"114", L"120"}));
}

TEST_F(ProfValuesTableInsert, NamedInsertChangesNothingWhenAStepFails) {
    gSettings.setWorkLanguage(Vdn_Settings::Dutch);
    const Vdn_ProfValuesTable original = heaTable();
    struct Case {
        int index;
        const wchar_t* sysName;
        const char* why;
    };
    const Case cases[] = {
        {2, L"150", "after the last row"},
        {0, L"140", "a name another row has"},
        {0, L"hea", "fine"},
    };
    for (const Case& c : cases) {
        Vdn_ProfValuesTable table = original;
        const bool fine = std::string(c.why) == "fine";
        EXPECT_EQ(table.insertRow(c.index, c.sysName, L"User"),
                  fine ? Acad::eOk : Acad::eInvalidInput)
            << c.why;
        if (!fine) {
            EXPECT_EQ(table, original) << c.why;
        }
    }
    // The copied row is too short for the user names: the copy that insertRow(index) made is
    // not left behind.
    Vdn_ProfValuesTable table = original;
    table.columnNames = {L"SysName", L"I/O", L"Dutch"};
    table.rows = {{L"1", L"1", L"a"}, {L"2", L"1", L"b"}};
    const Vdn_ProfValuesTable shortRows = table;
    EXPECT_EQ(table.insertRow(0, L"5", L"User"), Acad::eInvalidInput);
    EXPECT_EQ(table, shortRows);
}

TEST(ProfValuesTableValue, CopiesAreIndependentValues) {
    const Vdn_ProfValuesTable original = heaTable();
    Vdn_ProfValuesTable copy = original;
    copy.rows[0][0] = L"105";
    copy.columnNames[6] = L"H";
    EXPECT_EQ(original.rows[0][0], L"100");
    EXPECT_EQ(original.columnNames[6], L"h");
    copy = original;
    EXPECT_EQ(copy, original);
}

} // namespace
