// The general-variables file: a round trip of one of everything, and damaged files refused
// with where and why.
#include "platform/core/model/GenVarsFile.h"

#include "tests/core/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(GenVarsFile, ReadsAndWritesBackEveryRowAndUnknownTopLevelKeys) {
    const std::string text = R"({
  "comment": {"by": "werkvoorbereiding"},
  "standards": [
    {"name": "gen_BoltGrade", "value": "10.9", "override": "1", "filter": ["Hal A\\", "Hal B\\Luifel.dwg"]},
    {"name": "gen_Gap", "value": 2.5, "filter": []}
  ],
  "drawing": [
    {"name": "gen_Coating", "value": "Thermisch verzinkt ¤", "filter": ["Hal A\\"]},
    {"value": "alleen een waarde"}
  ]
})";
    const core::GenVarsReadResult read = core::readGenVarsText(text);
    ASSERT_TRUE(read.ok) << read.message.toUtf8();
    const TfAutoStandardsData& data = read.data;
    EXPECT_EQ(data.dwgGenVars(), (Vdn_StringArray{L"gen_Coating", L""}));
    EXPECT_EQ(data.dwgGenValues(),
              (Vdn_StringArray{L"Thermisch verzinkt ¤", L"alleen een waarde"}));
    EXPECT_EQ(data.dwgGenFilters(), (Vdn_StringArray{L"Hal A\\", L""}));
    EXPECT_EQ(data.stdGenValues(), (Vdn_StringArray{L"10.9", L"2.5"}));
    EXPECT_EQ(data.stdGenOverrides(), (Vdn_StringArray{L"1", L""}));
    EXPECT_EQ(data.stdGenFilters(), (Vdn_StringArray{L"Hal A\\;Hal B\\Luifel.dwg", L""}));

    TempFolder folder;
    ASSERT_TRUE(core::writeGenVarsFile(data, folder.path() / "out.json"));
    const core::GenVarsReadResult again = core::readGenVarsFile(folder.name("out.json"));
    ASSERT_TRUE(again.ok) << again.message.toUtf8();
    EXPECT_EQ(again.data, data);
    EXPECT_NE(folder.read("out.json").find("\"comment\": {"), std::string::npos);
}

TEST(GenVarsFile, DamagedFilesAreRefusedWithWhereAndWhy) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"[]", "the file does not hold a JSON object"},
        {"{\"drawing\": {}}", "drawing: expected a list of rows"},
        {"{\"drawing\": [\"gen_A\"]}",
         "drawing[0]: expected an object with name, value and filter"},
        {"{\"drawing\": [{\"name\": 1}]}", "drawing[0].name: expected a text"},
        {"{\"drawing\": [{\"value\": true}]}", "drawing[0].value: expected a number or a text"},
        {"{\"drawing\": [{\"override\": \"1\"}]}",
         "drawing[0].override: unknown key (a row has name, value and filter)"},
        {"{\"standards\": [{\"colour\": \"red\"}]}",
         "standards[0].colour: unknown key (a row has name, value, override and filter)"},
        {"{\"standards\": [{\"filter\": \"Hal A\"}]}",
         "standards[0].filter: expected a list of paths"},
        {"{\"standards\": [{\"filter\": [\"\"]}]}", "standards[0].filter[0]: an empty path"},
        {"{\"standards\": [{\"filter\": [\"a;b\"]}]}",
         "standards[0].filter[0]: a path must not contain ';'"},
        {"{\"drawing\": [", "not valid JSON at line 1"},
    };
    for (const Case& c : cases) {
        const core::GenVarsReadResult read = core::readGenVarsText(c.text);
        EXPECT_FALSE(read.ok) << c.text;
        EXPECT_EQ(read.message.toUtf8().rfind(c.message, 0), 0u)
            << c.text << " gave: " << read.message.toUtf8();
        EXPECT_EQ(read.data, TfAutoStandardsData());
    }
    EXPECT_FALSE(core::readGenVarsFile(L"/no/such/genvars.json").ok);
}

} // namespace
