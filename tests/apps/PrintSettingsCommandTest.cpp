#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

using PrintSettingsCommandTest = ProgramTest;

// A bill's sheet: a corner tag with a header, changed margins and switches, two print variables
// and a third name without a value.
const char* const kBillSheet = "tessa-sheet 1\n"
                               "size 1 1\n"
                               "tag 0 0 \"headerFile¤4¤..\\\\pics\\\\kop.bmp¤marginLeft¤2¤12¤"
                               "colors¤3¤0¤varNames0¤4¤Date¤varNames1¤4¤Title¤"
                               "varNames2¤4¤Extra¤varValues0¤4¤3 juni¤varValues1¤4¤Hal ¿ 3¤\"\n"
                               "value 1 1 text \"x\"\n"
                               "end\n";

TEST_F(PrintSettingsCommandTest, ShowPrintsEveryFieldByItsKey) {
    const auto sheet = scratchFile("bill.tfs", kBillSheet);
    const ProgramRun show = run("print-settings show " + quoted(sheet));
    ASSERT_EQ(show.exitCode, 0) << show.err;
    EXPECT_EQ(show.out, "headerFile\t..\\pics\\kop.bmp\n"
                        "footerFile\t\n"
                        "defaultFont\tTahoma\n"
                        "defaultTextHeight\t13\n"
                        "marginLeft\t12\n"
                        "marginRight\t5\n"
                        "marginTop\t5\n"
                        "marginBottom\t5\n"
                        "smartPrint\ttrue\n"
                        "colors\tfalse\n"
                        "colHeader\ttrue\n"
                        "rowHeader\ttrue\n"
                        "cellSeperators\ttrue\n"
                        "border\ttrue\n"
                        "varNames0\tDate\n"
                        "varNames1\tTitle\n"
                        "varValues0\t3 juni\n"
                        "varValues1\tHal ¿ 3\n");
    EXPECT_TRUE(show.err.empty());
}

TEST_F(PrintSettingsCommandTest, JsonGivesEveryFieldAndTheVariablesAsLists) {
    const auto sheet = scratchFile("bill.tfs", kBillSheet);
    const ProgramRun show = run("print-settings show --json " + quoted(sheet));
    ASSERT_EQ(show.exitCode, 0) << show.err;
    const nlohmann::json expected = nlohmann::json::parse(R"({
        "headerFile": "..\\pics\\kop.bmp", "footerFile": "", "defaultFont": "Tahoma",
        "defaultTextHeight": 13, "marginLeft": 12, "marginRight": 5, "marginTop": 5,
        "marginBottom": 5, "smartPrint": true, "colors": false, "colHeader": true,
        "rowHeader": true, "cellSeperators": true, "border": true,
        "varNames": ["Date", "Title"], "varValues": ["3 juni", "Hal ¿ 3"]})");
    EXPECT_EQ(nlohmann::json::parse(show.out), expected);
}

TEST_F(PrintSettingsCommandTest, SheetsWithoutOrWithDamagedSettingsShowTheDefaults) {
    struct Case {
        const char* name;
        const char* content;
        bool warns;
    };
    const Case cases[] = {
        {"plain.tfs", "tessa-sheet 1\nsize 1 1\nend\n", false},
        {"rows.csv", "a,b\n", false},
        {"damaged.tfs", "tessa-sheet 1\nsize 1 1\ntag 0 0 \"colors¤3¤maybe¤\"\nend\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun show =
            run("print-settings show --json " + quoted(scratchFile(c.name, c.content)));
        ASSERT_EQ(show.exitCode, 0) << show.err;
        const nlohmann::json settings = nlohmann::json::parse(show.out);
        EXPECT_EQ(settings.at("defaultFont"), "Tahoma");
        EXPECT_EQ(settings.at("marginLeft"), 9);
        EXPECT_EQ(settings.at("colors"), true);
        EXPECT_EQ(settings.at("varNames"), nlohmann::json::array());
        EXPECT_EQ(show.err.find("print settings in the corner cell are damaged") !=
                      std::string::npos,
                  c.warns)
            << show.err;
    }
}

TEST_F(PrintSettingsCommandTest, FailuresAndWrongUsageHaveTheirExitCodes) {
    scratchFile("cut.tfs", "tessa-sheet 1\nsize 1 1\n");
    struct Case {
        const char* arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"print-settings show missing.tfs", 1, "missing.tfs: no such file"},
        {"print-settings show cut.tfs", 1, "cut.tfs:2: "},
        {"print-settings show notes.txt", 1, "not a sheet file"},
        {"print-settings show", 2, "FILE"},
        {"print-settings", 2, ""},
        {"print-settings list cut.tfs", 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ProgramRun show = run(c.arguments);
        EXPECT_EQ(show.exitCode, c.exitCode);
        EXPECT_NE(show.err.find(c.message), std::string::npos) << show.err;
        EXPECT_TRUE(show.out.empty() || c.exitCode == 2);
    }
}

} // namespace
