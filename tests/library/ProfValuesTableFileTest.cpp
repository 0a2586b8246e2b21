#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "tests/core/TempFolder.h"
#include "tests/library/ProfTableSamples.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using libtest::heaTable;

namespace {

const std::filesystem::path kExampleProf =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library/prof";

// Table files in the "prof" folder of a scratch library.
class ProfValuesTableFile : public ::testing::Test {
protected:
    void SetUp() override { gSettings.setLibDir(library.name("")); }

    void writeTable(const std::string& name, const std::string& bytes) const {
        library.write("prof/" + name, bytes);
    }
    bool exists(const std::string& relative) const {
        return std::filesystem::exists(library.path() / relative);
    }

    SettingsRestorer restorer;
    TempFolder library;
};

TEST_F(ProfValuesTableFile, TemplateAndColumnNamesLeaveTheDataRows) {
    writeTable("HEB.pr", "tessa-section-table 1\n"
                         "Prof\\\\heb.tpl\n"
                         "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\n"
                         "100\t1\tHEB100\tHE100B\tHEB100\tHEB100\t100\n"
                         "120\t0\tHEB120\tHE120B\tHEB120\tHEB120\t120\n");
    // The name is the one asked for, as the core module's readFile gives it.
    const std::pair<const wchar_t*, const wchar_t*> names[] = {
        {L"HEB", L"HEB"}, {L"HEB.pr", L"HEB"}, {L"heb.PR", L"heb"}};
    for (const auto& [name, tableName] : names) {
        Vdn_ProfValuesTable table;
        Vdn_String problem;
        ASSERT_TRUE(table.readFromFile(name, &problem)) << Vdn_String(name) << ": " << problem;
        EXPECT_EQ(table.tableName, tableName);
        EXPECT_EQ(table.templateName, L"Prof\\heb.tpl");
        EXPECT_EQ(table.columnNames.length(), 7);
        ASSERT_EQ(table.rows.length(), 2);
        EXPECT_EQ(table.rows[1], (Vdn_StringArray{L"120", L"0", L"HEB120", L"HE120B", L"HEB120",
                                                  L"HEB120", L"120"}));
    }
}

TEST_F(ProfValuesTableFile, SingleRowFileKeepsThatRowAsData) {
    writeTable("One.pr", "tessa-section-table 1\n100\t1\tHEA100\n");
    Vdn_ProfValuesTable table = heaTable();
    ASSERT_TRUE(table.readFromFile(L"One"));
    EXPECT_EQ(table.tableName, L"One");
    EXPECT_EQ(table.templateName, L"") << "nothing of the previous table is kept";
    EXPECT_TRUE(table.columnNames.isEmpty());
    ASSERT_EQ(table.rows.length(), 1);
    EXPECT_EQ(table.rows[0], (Vdn_StringArray{L"100", L"1", L"HEA100"}));
}

TEST_F(ProfValuesTableFile, TemplateAndColumnsWithoutSizesIsAnEmptyTable) {
    writeTable("New.pr",
               "tessa-section-table 1\n1\nSysName\tI/O\tDutch\tEnglish\tFrench\tGerman\n");
    Vdn_ProfValuesTable table = heaTable();
    ASSERT_TRUE(table.readFromFile(L"New"));
    EXPECT_EQ(table.templateName, L"1");
    EXPECT_EQ(table.columnNames.length(), 6);
    EXPECT_TRUE(table.rows.isEmpty());
}

TEST_F(ProfValuesTableFile, ExampleTablesRoundTripByteForByte) {
    for (const char* file : {"HEA.pr", "IPE.pr"}) {
        std::filesystem::create_directories(library.path() / "prof");
        std::filesystem::copy_file(kExampleProf / file, library.path() / "prof" / file);
        Vdn_ProfValuesTable table;
        Vdn_String problem;
        ASSERT_TRUE(table.readFromFile(Vdn_String::fromUtf8(file), &problem)) << problem;
        ASSERT_TRUE(table.writeToFile(L"Copy", &problem)) << problem;
        EXPECT_EQ(library.read("prof/Copy.pr"), library.read(std::string("prof/") + file)) << file;

        Vdn_ProfValuesTable again;
        ASSERT_TRUE(again.readFromFile(L"Copy.pr"));
        again.tableName = table.tableName;
        EXPECT_EQ(again, table) << file;
    }
}

TEST_F(ProfValuesTableFile, EveryTextSurvivesTheRoundTrip) {
    Vdn_ProfValuesTable table = heaTable();
    table.templateName = L"a\tb\\c";
    table.rows[0][2] = L"line\nbreak \u00BF\u0192\u2022\u00A4";
    table.rows[1][3] = L"";
    EXPECT_FALSE(table.writeToFile(L"HEA")) << "the library has no prof folder yet";
    std::filesystem::create_directories(library.path() / "prof");
    ASSERT_TRUE(table.writeToFile(L"HEA"));
    Vdn_ProfValuesTable read;
    ASSERT_TRUE(read.readFromFile(L"HEA"));
    EXPECT_EQ(read, table);
}

// Each file is refused as a whole; the table read before stays as it was.
TEST_F(ProfValuesTableFile, BadFilesLeaveTheTableUnchanged) {
    struct Case {
        const char* name;
        const char* bytes; // nullptr: no file
        const char* problem;
    };
    const Case cases[] = {
        {"Missing", nullptr, "cannot be read"},
        {"NoRows", "tessa-section-table 1\n", "the file holds no rows"},
        {"Empty", "", "expected the header line"},
        {"Version", "tessa-section-table 9\n1\n", "newer than this program reads"},
        {"Escape", "tessa-section-table 1\n1\nSysName\tI/O\tDu\\xtch\n", "line 3"},
        {"NoLanguage", "tessa-section-table 1\n1\nSysName\tI/O\tDutch\tEnglish\tFrench\n",
         "the columns stop before the last language column"},
    };
    for (const Case& c : cases) {
        if (c.bytes != nullptr)
            writeTable(std::string(c.name) + ".pr", c.bytes);
        Vdn_ProfValuesTable table = heaTable();
        Vdn_String problem;
        EXPECT_FALSE(table.readFromFile(Vdn_String::fromUtf8(c.name), &problem)) << c.name;
        EXPECT_NE(problem.toUtf8().find(c.problem), std::string::npos) << c.name << ": " << problem;
        EXPECT_EQ(table, heaTable()) << c.name;
    }
}

// A short or long size row spoils no other: the table is read and the damage told by line;
// such a table is not written back until it is mended, so nothing of the file is lost.
TEST_F(ProfValuesTableFile, DamagedRowsAreReadAndToldByLine) {
    writeTable("Ragged.pr",
               "tessa-section-table 1\n1\nSysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\n"
               "100\t1\ta\tb\tc\td\t96\n120\t1\ta\tb\tc\td\n140\t1\ta\tb\tc\td\t133\t1\n");
    Vdn_ProfValuesTable table;
    Vdn_String problem;
    ASSERT_TRUE(table.readFromFile(L"Ragged", &problem));
    EXPECT_EQ(problem, L"line 5 (size 2): 6 texts where the column names give 7; line 6 (size 3): "
                       L"8 texts where the column names give 7");
    ASSERT_EQ(table.rows.length(), 3);
    EXPECT_EQ(table.rows[2][6], L"133");
    EXPECT_FALSE(table.writeToFile(L"Ragged", &problem));
    EXPECT_NE(problem.toUtf8().find("line 5 (size 2)"), std::string::npos) << problem;

    writeTable("Sound.pr", "tessa-section-table 1\n1\nSysName\tI/O\tDutch\tEnglish\tFrench\t"
                           "German\th\n100\t1\ta\tb\tc\td\t96\n");
    ASSERT_TRUE(table.readFromFile(L"Sound", &problem));
    EXPECT_TRUE(problem.isEmpty()) << problem;
}

TEST_F(ProfValuesTableFile, NamesStayInsideTheProfFolder) {
    library.write("outside.pr", "tessa-section-table 1\n1\n");
    for (const wchar_t* name : {L"", L".pr", L"../outside", L"..\\outside.pr", L"sub/HEA"}) {
        Vdn_ProfValuesTable table = heaTable();
        Vdn_String problem;
        EXPECT_FALSE(table.readFromFile(name, &problem)) << Vdn_String(name);
        EXPECT_FALSE(problem.isEmpty());
        EXPECT_EQ(table, heaTable());
        EXPECT_FALSE(table.writeToFile(name)) << Vdn_String(name);
    }
    EXPECT_FALSE(exists("prof"));
}

TEST_F(ProfValuesTableFile, WhatCannotBeReadBackIsNotWritten) {
    struct Case {
        const char* why;
        void (*change)(Vdn_ProfValuesTable&);
    };
    const Case cases[] = {
        {"no column names", [](Vdn_ProfValuesTable& t) { t.columnNames.clear(); }},
        {"a short row", [](Vdn_ProfValuesTable& t) { t.rows[1].removeAt(7); }},
        {"too few language columns",
         [](Vdn_ProfValuesTable& t) {
             t.columnNames = {L"SysName", L"I/O", L"Dutch"};
             t.rows.clear();
         }},
    };
    for (const Case& c : cases) {
        Vdn_ProfValuesTable table = heaTable();
        c.change(table);
        Vdn_String problem;
        EXPECT_FALSE(table.writeToFile(L"HEA", &problem)) << c.why;
        EXPECT_NE(problem.toUtf8().find("cannot be written"), std::string::npos) << problem;
        EXPECT_FALSE(exists("prof/HEA.pr")) << c.why;
    }
}

TEST_F(ProfValuesTableFile, PathIsTheLibrarysProfFolder) {
    EXPECT_EQ(Vdn_ProfValuesTable::filePath(L"HEA"), gSettings.libDir() + L"prof\\HEA.pr");
    EXPECT_EQ(Vdn_ProfValuesTable::filePath(L"HEA.pr"), gSettings.libDir() + L"prof\\HEA.pr");
    EXPECT_EQ(Vdn_ProfValuesTable::filePath(L"HEA.prx"), gSettings.libDir() + L"prof\\HEA.prx.pr");
}

} // namespace
