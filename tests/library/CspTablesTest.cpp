// The cutting-stock record's sets, the .shp/.buy table files and reading a set as a problem.
#include "library/csp/CspSetProblem.h"
#include "library/csp/CspTableFile.h"
#include "platform/core/model/DlgCSP2Data.h"
#include "platform/core/model/DlgCSP2DataFile.h"
#include "tests/core/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Rows = Vdn_Array<Vdn_StringArray>;

DlgCSP2Data twoSets() {
    DlgCSP2Data data;
    data.setIds = {1, 5};
    data.setNames = Vdn_StringArray{L"A", L"B"};
    data.replaceRows(DlgCSP2Data::kParts, 1, Rows{{L"P1", L"100", L"1"}});
    data.replaceRows(DlgCSP2Data::kParts, 5, Rows{{L"P5", L"500", L"5"}});
    data.replaceRows(DlgCSP2Data::kStock, 5, Rows{{L"6000", L"2"}});
    return data;
}

TEST(CspSetsTest, NewSetIdsRowsOfNoSetAndDeletion) {
    DlgCSP2Data data = twoSets();
    EXPECT_EQ(data.addSet(L"C"), 6) << "one above the highest id, not the count";
    EXPECT_EQ(DlgCSP2Data().addSet(L"first"), 0);

    // Rows for no set, or for an id no set has, would never be shown again.
    const DlgCSP2Data before = data;
    EXPECT_FALSE(data.replaceRows(DlgCSP2Data::kParts, DlgCSP2Data::kNoSet, Rows{{L"X"}}));
    EXPECT_FALSE(data.replaceRows(DlgCSP2Data::kParts, 7, Rows{{L"X"}}));
    EXPECT_FALSE(data.replaceRows(3, 1, Rows{{L"X"}}));
    EXPECT_EQ(data, before);
    EXPECT_TRUE(data.rowsOf(DlgCSP2Data::kParts, DlgCSP2Data::kNoSet).isEmpty());

    // Replacing one set's rows leaves the other's, and their order, as they were.
    ASSERT_TRUE(data.replaceRows(DlgCSP2Data::kParts, 1, Rows{{L"Q1"}, {L"Q2"}}));
    EXPECT_EQ(data.rowsOf(DlgCSP2Data::kParts, 1), (Rows{{L"Q1"}, {L"Q2"}}));
    EXPECT_EQ(data.rowsOf(DlgCSP2Data::kParts, 5), (Rows{{L"P5", L"500", L"5"}}));

    ASSERT_TRUE(data.deleteSet(5));
    EXPECT_EQ(data.setIds, (Vdn_Array<int>{1, 6}));
    EXPECT_EQ(data.setNames, (Vdn_StringArray{L"A", L"C"}));
    EXPECT_TRUE(data.tables[DlgCSP2Data::kStock].rows.isEmpty());
    EXPECT_EQ(data.tables[DlgCSP2Data::kParts].rowSetIds, (Vdn_Array<int>{1, 1}));
    EXPECT_FALSE(data.deleteSet(5));
}

TEST(CspTableFileTest, RoundTripKeepsEveryCell) {
    TempFolder folder;
    const Rows rows = {{L"12000", L"", L""}, {L"", L"", L"x"},       {L""},
                       {L"ƒ • ¤", L" 3 "},   {L"8450", L"2,5", L""}, {}};
    std::string problem;
    ASSERT_TRUE(csp::CspTableFile::write(folder.name("a.shp"), rows, problem)) << problem;
    EXPECT_EQ(
        folder.read("a.shp"),
        "12000\xC2\xBF\xC2\xBF\n\xC2\xBF\xC2\xBFx\n\n\xC6\x92 \xE2\x80\xA2 \xC2\xA4\xC2\xBF 3 "
        "\n8450\xC2\xBF"
        "2,5\xC2\xBF\n\n");
    Rows back;
    ASSERT_TRUE(csp::CspTableFile::read(folder.name("a.shp"), back, problem)) << problem;
    // A row without cells is written as an empty line, which reads as one empty cell.
    Rows expected = rows;
    expected[5] = Vdn_StringArray{L""};
    EXPECT_EQ(back, expected);

    // Files of other programs: Windows-1252 with CRLF.
    folder.write("b.buy", "6000\xBF\xA4\r\n");
    ASSERT_TRUE(csp::CspTableFile::read(folder.name("b.buy"), back, problem));
    EXPECT_EQ(back, (Rows{{L"6000", L"¤"}}));
}

TEST(CspTableFileTest, RefusesCellsTheFileCannotKeepAndLeavesRowsOnAFailedRead) {
    TempFolder folder;
    folder.write("old.shp", "kept\n");
    for (const wchar_t* cell : {L"a\u00BFb", L"line\nbreak", L"cr\r"}) {
        std::string problem;
        EXPECT_FALSE(csp::CspTableFile::write(folder.name("old.shp"),
                                              Rows{{L"1"}, {L"2", Vdn_String(cell)}}, problem));
        EXPECT_NE(problem.find("row 2, cell 2"), std::string::npos) << problem;
        EXPECT_EQ(folder.read("old.shp"), "kept\n") << "the file is left as it was";
    }
    Rows rows = {{L"mine"}};
    std::string problem;
    EXPECT_FALSE(csp::CspTableFile::read(folder.name("missing.shp"), rows, problem));
    EXPECT_EQ(rows, (Rows{{L"mine"}}));
}

TEST(CspSetProblemTest, CountsAndLengthsReadWithoutExceptionsAndRefuseNegatives) {
    struct Case {
        const wchar_t* text;
        bool ok;
        std::int64_t count;
    };
    for (const Case& c : {Case{L"3", true, 3}, Case{L" 12 ", true, 12}, Case{L"0", true, 0},
                          Case{L"-1", false, 0}, Case{L"+2", false, 0}, Case{L"2.5", false, 0},
                          Case{L"", false, 0}, Case{L"99999999999999999999999", false, 0},
                          Case{L"1000001", false, 0}, Case{L"x", false, 0}}) {
        std::int64_t count = -7;
        EXPECT_EQ(csp::readCount(c.text, count), c.ok) << Vdn_String(c.text).toUtf8();
        EXPECT_EQ(count, c.ok ? c.count : -7);
    }
    csp::CspSetTables tables;
    tables.parts = Rows{{L"B1", L"2500,5", L"2"}, {L"", L" ", L""}, {L"B2", L"300", L"-4"}};
    tables.stock = Rows{{L"12000", L""}, {L"abc", L"1"}};
    tables.buy = Rows{{L"6000", L"note"}};
    csp::CuttingProblem problem;
    std::vector<std::string> problems;
    EXPECT_FALSE(csp::problemFromTables(tables, problem, problems));
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "parts row 3: the quantity \"-4\" is not a whole number of 0 or more",
                            "stock row 2: the length \"abc\" is not a length in mm above 0"}));
    EXPECT_TRUE(problem.parts.empty());

    tables.parts.removeAt(2);
    tables.stock.removeAt(1);
    problems.clear();
    ASSERT_TRUE(csp::problemFromTables(tables, problem, problems));
    EXPECT_EQ(problem.parts, (std::vector<csp::CutPart>{{"B1", 2500.5, 2}}));
    EXPECT_EQ(problem.stock,
              (std::vector<csp::StockLength>{{12000, std::nullopt}, {6000, std::nullopt}}));
}

TEST(CspRecordFileTest, RoundTripAndDamagedRecords) {
    DlgCSP2Data data = twoSets();
    data.tables[DlgCSP2Data::kParts].headers = Vdn_StringArray{L"Merk", L"Lengte", L"Aantal"};
    data.singleTable = true;
    const core::CspRecordRead back = core::readCspRecordText(core::cspRecordToJsonText(data));
    ASSERT_TRUE(back.ok) << back.problem;
    EXPECT_EQ(back.data, data);

    struct Damaged {
        const char* json;
        const char* problem;
    };
    for (const Damaged& d : {
             Damaged{R"({"format":"x","version":1,"sets":[]})",
                     "not a cutting-stock record (\"format\" is not \"tessa-cutting-stock\")"},
             Damaged{R"({"format":"tessa-cutting-stock","version":2,"sets":[]})",
                     "a version this program does not know (it reads version 1)"},
             Damaged{
                 R"({"format":"tessa-cutting-stock","version":1,"sets":[{"id":-1,"name":"a"}]})",
                 "set 1 has no id of 0 or more"},
             Damaged{R"({"format":"tessa-cutting-stock","version":1,"sets":[{"id":2,"name":"a"},)"
                     R"({"id":2,"name":"b"}]})",
                     "set 2 has the id 2 of an earlier set"},
             Damaged{R"({"format":"tessa-cutting-stock","version":1,"sets":[{"id":2,"name":"a",)"
                     R"("stock":[["1",2]]}]})",
                     "set 1: a row of \"stock\" is not a list of texts"},
         }) {
        const core::CspRecordRead read = core::readCspRecordText(d.json);
        EXPECT_FALSE(read.ok) << d.json;
        EXPECT_EQ(read.problem, d.problem);
        EXPECT_EQ(read.data, DlgCSP2Data());
    }
}

} // namespace
