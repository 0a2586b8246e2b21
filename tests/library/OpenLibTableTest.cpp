// The value tables of the section-library editor as files: new tables read back by the table
// reader, renames that never lose the table (another case, a name in use, a failing write),
// and unreadable tables that are never written over.
#include "library/OpenLibTable.h"

#include "tests/core/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const std::string kHea = "tessa-section-table 1\n"
                         "1\n"
                         "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\tb\n"
                         "100\t1\tHEA100\tHE100A\tHEA100\tHEA100\t96\t100\n"
                         "120\t1\tHEA120\tHE120A\tHEA120\tHEA120\t114\t120\n";

class OpenLibTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        gSettings.setLibDir(library.name(""));
        library.write("prof/HEA.pr", kHea);
        library.write("prof/IPE.pr", kHea);
    }

    // The file names of the prof folder, exactly as spelled on disk.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(library.path() / "prof"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    SettingsRestorer restorer;
    TempFolder library;
};

TEST_F(OpenLibTableTest, ANewTableCountsAsChangedAndReadsBackWithItsLanguages) {
    for (const int language : {0, 1, 2}) {
        gSettings.setWorkLanguage(language);
        OpenLibTable edited;
        edited.openNew(L"Tabel", L"Waarde");
        EXPECT_TRUE(edited.needsSaving(false)) << "never saved: leaving must ask";
        Vdn_String problem;
        ASSERT_TRUE(edited.save(problem)) << problem;
        EXPECT_FALSE(edited.needsSaving(false));

        Vdn_ProfValuesTable read;
        ASSERT_TRUE(read.readFromFile(L"Tabel", &problem)) << problem;
        EXPECT_TRUE(problem.isEmpty()) << problem;
        EXPECT_EQ(read.getNrLanguages(), 4);
        EXPECT_EQ(read.columnNames,
                  (Vdn_StringArray{L"SysName", L"I/O", L"Dutch", L"English", L"French", L"German",
                                   L"Waarde1", L"Waarde2"}));
        EXPECT_EQ(read.rows,
                  (Vdn_Array<Vdn_StringArray>{{L"", L"1", L"", L"", L"", L"", L"0", L"0"}}));
        // The work language has its column, so sizes can be added to the table.
        ASSERT_EQ(read.insertRow(-1, L"200", L"X200"), Acad::eOk) << "language " << language;
    }
}

TEST_F(OpenLibTableTest, RenameOntoAnotherCaseKeepsTheOneFile) {
    OpenLibTable edited;
    edited.open(L"HEA");
    edited.table().rows[0][6] = L"97"; // the shown table is what is written
    Vdn_String problem;
    ASSERT_EQ(edited.rename(L"hea", {L"IPE"}, problem), OpenLibTable::RenameResult::Renamed)
        << problem;
    EXPECT_TRUE(problem.isEmpty()) << problem;
    EXPECT_EQ(files(), (std::vector<std::string>{"IPE.pr", "hea.pr"}));
    Vdn_ProfValuesTable read;
    ASSERT_TRUE(read.readFromFile(L"hea"));
    EXPECT_EQ(read.rows.length(), 2);
    EXPECT_EQ(read.rows[0][6], L"97");
    EXPECT_EQ(edited.name(), L"hea");
}

TEST_F(OpenLibTableTest, RenameRefusalsLeaveEveryFileAsItWas) {
    struct Case {
        const wchar_t* newName;
        OpenLibTable::RenameResult result;
        const char* why;
    };
    const Case cases[] = {
        {L"ipe", OpenLibTable::RenameResult::NameInUse, "another table, another case"},
        {L"IPE.pr", OpenLibTable::RenameResult::NameInUse, "a file of that name"},
        {L"sub/HEB", OpenLibTable::RenameResult::BadName, "a folder"},
        {L"  ", OpenLibTable::RenameResult::BadName, "no name"},
        {L"HEA", OpenLibTable::RenameResult::Unchanged, "the same name"},
    };
    for (const Case& c : cases) {
        OpenLibTable edited;
        edited.open(L"HEA");
        Vdn_String problem;
        EXPECT_EQ(edited.rename(c.newName, {L"IPE"}, problem), c.result) << c.why;
        EXPECT_EQ(files(), (std::vector<std::string>{"HEA.pr", "IPE.pr"})) << c.why;
        EXPECT_EQ(library.read("prof/HEA.pr"), kHea) << c.why;
        EXPECT_EQ(edited.name(), L"HEA") << c.why;
    }
}

TEST_F(OpenLibTableTest, ARenameWhoseWriteFailsKeepsTheOldFile) {
    OpenLibTable edited;
    edited.open(L"HEA");
    // Column names the reader would refuse: the new file cannot be written.
    edited.table().columnNames = {L"SysName", L"I/O"};
    Vdn_String problem;
    EXPECT_EQ(edited.rename(L"HEB", {L"IPE"}, problem), OpenLibTable::RenameResult::WriteFailed);
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(files(), (std::vector<std::string>{"HEA.pr", "IPE.pr"}));
    EXPECT_EQ(library.read("prof/HEA.pr"), kHea);

    edited.open(L"HEA");
    ASSERT_EQ(edited.rename(L"HEB", {L"IPE"}, problem), OpenLibTable::RenameResult::Renamed);
    EXPECT_EQ(files(), (std::vector<std::string>{"HEB.pr", "IPE.pr"}));
    EXPECT_EQ(library.read("prof/HEB.pr"), kHea);
}

TEST_F(OpenLibTableTest, AnUnreadableTableIsNeverWrittenOver) {
    const std::string damaged = "tessa-section-table 1\n1\nSysName\\q\n";
    library.write("prof/HEA.pr", damaged);
    OpenLibTable edited;
    Vdn_String problem;
    edited.open(L"HEA", &problem);
    EXPECT_EQ(edited.source(), OpenLibTable::Source::Unreadable);
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(edited.needsSaving(true)) << "no question that could save the empty sheet";
    EXPECT_FALSE(edited.save(problem));
    EXPECT_EQ(edited.rename(L"HEB", {}, problem), OpenLibTable::RenameResult::Unreadable);
    EXPECT_EQ(library.read("prof/HEA.pr"), damaged);
    EXPECT_EQ(files(), (std::vector<std::string>{"HEA.pr", "IPE.pr"}));
}

} // namespace
