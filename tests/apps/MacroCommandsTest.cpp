#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

const std::filesystem::path kSplice =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library/macros/BeamSplice.json";

using MacroCommandsTest = ProgramTest;

TEST_F(MacroCommandsTest, AChangedPitchMakesThePlateHeightFollowInTheWrittenCopyOnly) {
    const std::string before = readFile(kSplice);
    const std::filesystem::path out = scratch_.path() / "out.json";
    const ProgramRun result =
        run("macro set " + quoted(kSplice) + " --set Pitch=140 --out " + quoted(out) + " --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const nlohmann::json printed = nlohmann::json::parse(result.out);
    EXPECT_EQ(printed.at("changed"), nlohmann::json::parse(R"([
        {"module": "Plate1", "name": "H", "old": "290", "new": "360"},
        {"module": "Bolts1", "name": "Pitch", "old": "105", "new": "140"}])"));
    EXPECT_EQ(printed.at("values").at("Plate1.H"), "360");
    EXPECT_EQ(readFile(kSplice), before);

    const ProgramRun shown = run("macro show " + quoted(out) + " --json");
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const nlohmann::json macro = nlohmann::json::parse(shown.out);
    EXPECT_EQ(macro.at("derived")[0],
              nlohmann::json::parse(R"({"name":"Plate1.H","value":"360"})"));
    EXPECT_EQ(macro.at("objectId"), 1);
    EXPECT_EQ(macro.at("tabs").size(), 3u);
}

TEST_F(MacroCommandsTest, ARefusedChangeExitsWithItsReasonAndWritesNothing) {
    struct Case {
        std::string arguments;
        const char* reason;
    };
    const std::filesystem::path out = scratch_.path() / "refused.json";
    for (const Case& c :
         {Case{"--set Pitch=300", "tessa: the model refuses the change: Plate1.H = 680 is above "
                                  "its maximum 600\n"},
          Case{"--set H=400", "tessa: \"H\" is derived or cannot be set; the model refuses the "
                              "change\n"},
          Case{"--set Width=3", "tessa: no tab has a value named \"Width\"\n"},
          Case{"--set W=250 --module Bolts", "tessa: no tab of Bolts has a value named \"W\"\n"},
          Case{"--set Pitch", "tessa: --set Pitch: expected NAME=VALUE\n"}}) {
        SCOPED_TRACE(c.arguments);
        const ProgramRun result =
            run("macro set " + quoted(kSplice) + " " + c.arguments + " --out " + quoted(out));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.reason);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

} // namespace
