#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "tests/core/TempFolder.h"
#include "tests/library/ProfTableSamples.h"
#include "tests/spreadsheet/SpreadFixture.h"

#include <filesystem>
#include <gtest/gtest.h>

using libtest::heaTable;
using namespace spreadtest;

namespace {

// --- the table in a sheet ---------------------------------------------------------------------

class ProfValuesTableSheet : public SpreadTest {};

TEST_F(ProfValuesTableSheet, ShowsEveryRowUnderItsColumnNames) {
    const Vdn_ProfValuesTable table = heaTable();
    spread.SSSetBool(Vdn_Spread::kOptionChanged, true);
    ASSERT_TRUE(table.setToSS(spread));
    EXPECT_EQ(spread.maxRows(), 3);
    EXPECT_EQ(spread.maxCols(), 8);
    EXPECT_EQ(cell(1, H, 0), L"SysName");
    EXPECT_EQ(cell(8, H, 0), L"b");
    EXPECT_EQ(cell(H, 1, 0), L"HEA");
    EXPECT_EQ(cell(H, 3, 0), L"HEA");
    EXPECT_EQ(cell(3, 2), L"HEA120");
    EXPECT_EQ(cell(7, 3), L"133");
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(spread.cellType(2, row), Vdn_Spread::kCheckBoxType) << row;
    bool checked = true;
    ASSERT_TRUE(spread.getCheck(2, 2, checked));
    EXPECT_FALSE(checked);
    EXPECT_FALSE(spread.SSGetBool(Vdn_Spread::kOptionChanged));
    EXPECT_TRUE(spread.SSGetBool(Vdn_Spread::kOptionRedraw));
}

TEST_F(ProfValuesTableSheet, RoundTripThroughTheSheet) {
    const Vdn_ProfValuesTable shown = heaTable();
    ASSERT_TRUE(shown.setToSS(spread));
    Vdn_ProfValuesTable read;
    read.templateName = L"kept";
    ASSERT_TRUE(read.getFromSS(spread));
    EXPECT_EQ(read.tableName, shown.tableName);
    EXPECT_EQ(read.columnNames, shown.columnNames);
    EXPECT_EQ(read.rows, shown.rows);
    EXPECT_EQ(read.templateName, L"kept") << "the sheet holds no template";

    // What the user changes in the sheet comes back.
    ASSERT_TRUE(spread.setCheck(2, 2, true));
    ASSERT_TRUE(spread.setCellText(7, 1, L"97"));
    ASSERT_TRUE(read.getFromSS(spread));
    EXPECT_EQ(read.rows[1][1], L"1");
    EXPECT_EQ(read.rows[0][6], L"97");
}

TEST_F(ProfValuesTableSheet, FlagsOtherThanZeroAndOneSurviveTheCheckBoxes) {
    Vdn_ProfValuesTable shown = heaTable();
    shown.rows[0][1] = L"x";
    shown.rows[2][1] = L"";
    ASSERT_TRUE(shown.setToSS(spread));
    Vdn_ProfValuesTable read;
    ASSERT_TRUE(read.getFromSS(spread));
    EXPECT_EQ(read.rows, shown.rows);
}

TEST_F(ProfValuesTableSheet, ShowingAnotherTableReplacesTheSheet) {
    ASSERT_TRUE(heaTable().setToSS(spread));
    Vdn_ProfValuesTable small;
    small.tableName = L"IPE";
    small.columnNames = {L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German"};
    small.rows = {{L"80", L"1", L"IPE80", L"IPE80", L"IPE80", L"IPE80"}};
    ASSERT_TRUE(small.setToSS(spread));
    EXPECT_EQ(spread.maxRows(), 1);
    EXPECT_EQ(spread.maxCols(), 6);
    Vdn_ProfValuesTable read;
    ASSERT_TRUE(read.getFromSS(spread));
    EXPECT_EQ(read.rows, small.rows);
    EXPECT_EQ(read.tableName, L"IPE");
}

TEST_F(ProfValuesTableSheet, EmptyTableGivesAnEmptySheetAndNothingComesBack) {
    ASSERT_TRUE(heaTable().setToSS(spread));
    Vdn_ProfValuesTable empty = heaTable();
    empty.rows.clear();
    EXPECT_FALSE(empty.setToSS(spread));
    EXPECT_EQ(spread.maxRows(), 0);
    EXPECT_EQ(spread.maxCols(), 0);
    EXPECT_TRUE(spread.SSGetBool(Vdn_Spread::kOptionRedraw));

    Vdn_ProfValuesTable table = heaTable();
    EXPECT_FALSE(table.getFromSS(spread));
    EXPECT_EQ(table, heaTable());
}

TEST(ProfValuesTableDetachedSheet, NothingHappensWithoutAControl) {
    Vdn_Spread detached;
    Vdn_ProfValuesTable table = heaTable();
    EXPECT_FALSE(table.setToSS(detached));
    EXPECT_FALSE(table.getFromSS(detached));
    EXPECT_EQ(table, heaTable());
}

// --- handing over to the core module -----------------------------------------------------------

class ProfValuesTableGlobals : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(library.path() / "prof");
        std::filesystem::copy_file(std::filesystem::path(TESSA_SOURCE_ROOT) /
                                       "examples/library/prof/HEA.pr",
                                   library.path() / "prof/HEA.pr");
        gSettings.setLibDir(library.name(""));
    }

    SettingsRestorer restorer;
    TempFolder library;
    Vdn_SectionTableManager manager;
};

TEST_F(ProfValuesTableGlobals, ReplacesTheTableOfTheSameName) {
    ASSERT_TRUE(manager.hasTable(L"HEA"));
    Vdn_String found;
    ASSERT_TRUE(manager.getSystemName(L"HEA-200", found));

    Vdn_ProfValuesTable table = heaTable();
    ASSERT_EQ(table.setToGlobals(&manager), Acad::eOk);
    EXPECT_TRUE(manager.hasTable(L"HEA.pr"));
    EXPECT_FALSE(manager.getSystemName(L"HEA-200", found)) << "the old rows are gone";
    ASSERT_TRUE(manager.getSystemName(L"HE120A", found));
    EXPECT_EQ(found, L"HEA-120");
    // Without the flag column the first value is h.
    Vdn_String value;
    ASSERT_TRUE(manager.getSectionValue(L"HEA-140", 0, value));
    EXPECT_EQ(value, L"133");
    Vdn_StringArray names;
    ASSERT_TRUE(manager.getSectionColumnNames(L"HEA-140", names));
    EXPECT_EQ(names, (Vdn_StringArray{L"h", L"b"}));
}

TEST_F(ProfValuesTableGlobals, RefusedTablesKeepTheHeldOne) {
    EXPECT_EQ(heaTable().setToGlobals(nullptr), Acad::eInvalidInput);

    Vdn_ProfValuesTable noLanguages = heaTable();
    noLanguages.columnNames = {L"SysName", L"I/O", L"Dutch"};
    EXPECT_EQ(noLanguages.setToGlobals(&manager), Acad::eInvalidInput);
    Vdn_ProfValuesTable noName = heaTable();
    noName.tableName = L"";
    EXPECT_EQ(noName.setToGlobals(&manager), Acad::eInvalidInput);

    Vdn_String found;
    EXPECT_TRUE(manager.getSystemName(L"HEA-200", found)) << "the held table is kept";
}

TEST_F(ProfValuesTableGlobals, AddsANewTable) {
    Vdn_ProfValuesTable table = heaTable();
    table.tableName = L"HEX";
    table.templateName = L"hex.tpl";
    ASSERT_EQ(table.setToGlobals(&manager), Acad::eOk);
    Vdn_String found;
    EXPECT_TRUE(manager.getSystemName(L"HEX-100", found));
    EXPECT_TRUE(manager.getSystemName(L"HEA-200", found));
}

} // namespace
