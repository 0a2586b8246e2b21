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
          Case{"--set Pitch", "tessa: --set Pitch: expected NAME=VALUE\n"},
          // A value the cell cannot take is refused before the model sees anything, even after
          // a good one.
          Case{"--set W=abc", "tessa: General.W: \"abc\" is not a number\n"},
          Case{"--set W=1e999", "tessa: General.W: 1e999 is not a finite number\n"},
          Case{"--set W=50", "tessa: General.W: 50 is below the minimum 100\n"},
          Case{"--set W=250 --set W=450", "tessa: General.W: 450 is above the maximum 400\n"},
          Case{"--set Pitch=20", "tessa: Bolts.Pitch: 20 is below the minimum 60\n"},
          Case{"--set T=30", "tessa: General.T: \"30\" is not one of: 10, 12, 15, 20, 25\n"},
          Case{"--set Chamfered=7",
               "tessa: General.Chamfered: a check box is 0 or 1, not \"7\"\n"}}) {
        SCOPED_TRACE(c.arguments);
        const ProgramRun result =
            run("macro set " + quoted(kSplice) + " " + c.arguments + " --out " + quoted(out));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.reason);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST_F(MacroCommandsTest, ValuesEachKindOfCellTakesAreSet) {
    const std::filesystem::path out = scratch_.path() / "kinds.json";
    const ProgramRun result = run("macro set " + quoted(kSplice) +
                                  " --set W=400 --set T=20 --set Chamfered=0 --set Finish=Painted"
                                  " --out " +
                                  quoted(out) + " --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const nlohmann::json values = nlohmann::json::parse(result.out).at("values");
    EXPECT_EQ(values.at("Plate1.W"), "400"); // the maximum itself
    EXPECT_EQ(values.at("Plate1.T"), "20");
    EXPECT_EQ(values.at("Plate1.Weld"), "7");
    EXPECT_EQ(values.at("Plate1.Chamfered"), "0");
    EXPECT_EQ(values.at("Plate1.Finish"), "Painted"); // an editable list takes any text
}

// A JSON file of another kind has none of the keys of a macro: every command that reads a macro
// refuses it, rather than reading an empty macro.
TEST_F(MacroCommandsTest, AFileThatIsNoMacroIsRefused) {
    const std::filesystem::path library =
        std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library";
    const std::filesystem::path out = scratch_.path() / "out.json";
    const std::string reason = ": not a macro file (it has none of the keys of a macro: \"name\", "
                               "\"title\", \"objectId\", \"tabs\", \"settings\", "
                               "\"generalVariables\", \"baseProfiles\", \"modules\")\n";
    for (const std::filesystem::path& file :
         {library / "Workshop/WorkshopSettings.json", library / "GeneralVariables.json",
          scratchFile("empty.json", "{}")}) {
        for (const std::string& command :
             {"macro show " + quoted(file),
              "macro set " + quoted(file) + " --set W=1 --out " + quoted(out),
              "editor show " + quoted(file)}) {
            SCOPED_TRACE(command);
            const ProgramRun result = run(command);
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.err, "tessa: " + file.string() + reason);
            EXPECT_EQ(result.out, "");
            EXPECT_FALSE(std::filesystem::exists(out));
        }
    }
}

} // namespace
