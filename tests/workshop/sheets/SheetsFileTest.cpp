#include "workshop/sheets/SheetsFile.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetsFileTest, ReadsTheSheetsInOrder) {
    const auto read = sheets::readSheetsText(R"({"sheets": [
        {"text": "W1 Kolom K1", "subEntries": ["K1", "P12"]},
        {"subEntries": [], "text": "W2 Voetplaat"},
        {"text": "W3 Ligger"}], "comment": "kept out"})");
    ASSERT_TRUE(read.ok) << read.message.toUtf8();
    ASSERT_EQ(read.data.length(), 3);
    EXPECT_EQ(read.data.getAt(0), TfSheetEntry(L"W1 Kolom K1", {L"K1", L"P12"}));
    EXPECT_EQ(read.data.getAt(1), TfSheetEntry(L"W2 Voetplaat", {}));
    EXPECT_EQ(read.data.getAt(2).text, L"W3 Ligger");
}

TEST(SheetsFileTest, BadDocumentsSayWhereAndGiveNothing) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"[]", "the file does not hold a JSON object"},
        {"{}", "the list \"sheets\" is missing"},
        {R"({"sheets": {}})", "sheets: expected a list of sheets"},
        {R"({"sheets": [1]})", "sheets[0]: expected an object with text and subEntries"},
        {R"({"sheets": [{"subEntries": []}]})", "sheets[0]: the sheet has no text"},
        {R"({"sheets": [{"text": 3}]})", "sheets[0].text: expected a text"},
        {R"({"sheets": [{"text": "a", "subEntries": ["b", 2]}]})",
         "sheets[0].subEntries[1]: expected a text"},
        {R"({"sheets": [{"text": "a", "parts": []}]})",
         "sheets[0].parts: unknown key (a sheet has text and subEntries)"},
    };
    for (const Case& c : cases) {
        const auto read = sheets::readSheetsText(c.text);
        EXPECT_FALSE(read.ok) << c.text;
        EXPECT_EQ(read.message.toUtf8(), c.message) << c.text;
        EXPECT_EQ(read.data.length(), 0) << c.text;
    }
    EXPECT_FALSE(sheets::readSheetsText("{\"sheets\": [").ok);
}

} // namespace
