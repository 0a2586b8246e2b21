#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

const std::filesystem::path kExample =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library/Workshop/Sheets.json";

using SheetsCommandsTest = ProgramTest;

// The rows come from the real panel's sheets tree: levels, parents and glyphs as laid out.
TEST_F(SheetsCommandsTest, ShowPrintsThePanelsTree) {
    const ProgramRun text = run("sheets show " + quoted(kExample));
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out.rfind("W-001  Column K1  (A3, 1:20)\n  K1  HEA-200  L=4250\n", 0), 0u)
        << text.out;

    const ProgramRun json = run("sheets show " + quoted(kExample) + " --json");
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const nlohmann::json shown = nlohmann::json::parse(json.out);
    EXPECT_EQ(shown.at("sheets"), 5);
    const nlohmann::json& rows = shown.at("rows");
    ASSERT_EQ(rows.size(), 16u);
    const nlohmann::json first = {{"row", 1},
                                  {"level", 1},
                                  {"text", "W-001  Column K1  (A3, 1:20)"},
                                  {"parent", -1},
                                  {"glyph", 1}};
    EXPECT_EQ(rows[0], first);
    EXPECT_EQ(rows[3].at("glyph"), 6) << "the last part of a sheet";
    EXPECT_EQ(rows[15].at("glyph"), 6) << "the last sheet, without parts";
    EXPECT_EQ(shown.at("menu")[11], "Change format");
}

TEST_F(SheetsCommandsTest, ADamagedFileFailsWithWhereAndWhy) {
    const std::filesystem::path file =
        scratchFile("damaged.json", R"({"sheets": [{"text": "W1", "subEntries": [3]}]})");
    const ProgramRun result = run("sheets show " + quoted(file));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("sheets[0].subEntries[0]: expected a text"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.out, "");
}

} // namespace
