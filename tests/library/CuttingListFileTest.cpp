#include "library/csp/CuttingListFile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using csp::CutPart;
using csp::CuttingListFile;
using csp::StockLength;

TEST(CuttingListFile, PartsWithHeaderQuotesAndSpreadsheetHabits) {
    std::vector<CutPart> parts;
    std::vector<std::string> problems;
    ASSERT_TRUE(CuttingListFile::parseParts(L"\uFEFFmark,length,quantity\r\n"
                                            L"B1,2500,4\r\n"
                                            L"\r\n"
                                            L" \"C,2\" , 3000.5 ,+2,,\r\n"
                                            L"\"say \"\"x\"\"\",12,1\r\n",
                                            "parts.csv", parts, problems))
        << problems.front();
    EXPECT_EQ(parts,
              (std::vector<CutPart>{{"B1", 2500, 4}, {"C,2", 3000.5, 2}, {"say \"x\"", 12, 1}}));

    // Semicolons, and no header: the first row is data when its length is a number.
    ASSERT_TRUE(CuttingListFile::parseParts(L"B1;2500;4\nB2;100;1\n", "p.csv", parts, problems));
    EXPECT_EQ(parts, (std::vector<CutPart>{{"B1", 2500, 4}, {"B2", 100, 1}}));
}

TEST(CuttingListFile, StockQuantityMayBeLeftEmpty) {
    std::vector<StockLength> stock;
    std::vector<std::string> problems;
    ASSERT_TRUE(CuttingListFile::parseStock(L"length,quantity\n12000,\n6000,5\n8000\n", "s.csv",
                                            stock, problems));
    EXPECT_EQ(stock,
              (std::vector<StockLength>{{12000, std::nullopt}, {6000, 5}, {8000, std::nullopt}}));
}

// Every bad row is named by file and line, and nothing is given back.
TEST(CuttingListFile, BadRowsAreReportedWithFileAndLine) {
    std::vector<CutPart> parts{{"kept", 1, 1}};
    std::vector<std::string> problems;
    EXPECT_FALSE(CuttingListFile::parseParts(L"mark,length,quantity\n"
                                             L"B1,25OO,4\n"
                                             L",2500,1\n"
                                             L"B3,0,1\n"
                                             L"B4,100\n"
                                             L"B5,100,2.5\n"
                                             L"B6,100,0\n"
                                             L"B7,100,1,x\n"
                                             L"B8,inf,1\n"
                                             L"B9,100,1\n",
                                             "parts.csv", parts, problems));
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "parts.csv:2: the length \"25OO\" is not a number",
                            "parts.csv:3: the mark is missing",
                            "parts.csv:4: the length must be more than 0 mm, not 0",
                            "parts.csv:5: the quantity is missing",
                            "parts.csv:6: the quantity \"2.5\" is not a whole number",
                            "parts.csv:7: the quantity must be at least 1, not 0",
                            "parts.csv:8: expected 3 fields, found 4",
                            "parts.csv:9: the length \"inf\" is not a number",
                        }));
    EXPECT_EQ(parts, (std::vector<CutPart>{{"kept", 1, 1}}));

    std::vector<StockLength> stock;
    problems.clear();
    EXPECT_FALSE(CuttingListFile::parseStock(L"12000,-1\n,3\n", "stock.csv", stock, problems));
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "stock.csv:1: the quantity must be at least 1, not -1",
                            "stock.csv:2: the length is missing",
                        }));
}

TEST(CuttingListFile, MissingFileSaysSo) {
    std::vector<CutPart> parts;
    std::vector<std::string> problems;
    EXPECT_FALSE(CuttingListFile::readParts("/no/such/parts.csv", parts, problems));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems.front().rfind("/no/such/parts.csv: cannot be read", 0), 0u)
        << problems.front();
}
