#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>
#include <set>

namespace {

using CutCommandsTest = ProgramTest;

const std::filesystem::path kSplice =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library/macros/BeamSplice.json";

// The example's cuts are listed; a cut is added through the cut dialog and written only with
// --out; a refusal of the dialog is the command's failure.
TEST_F(CutCommandsTest, ListsAddsAndRefusesCuts) {
    const ProgramRun listed = run("cut list " + quoted(kSplice) + " --json");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const nlohmann::json cuts = nlohmann::json::parse(listed.out)["cuts"];
    std::set<int> types;
    for (const auto& cut : cuts)
        types.insert(cut["type"].get<int>());
    EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5, 6}));

    const ProgramRun added =
        run("cut set " + quoted(kSplice) +
            " Stiffeners EndFillet --type 6 --param Radius=12 --description 'Rounded end' "
            "--out out.json --json");
    ASSERT_EQ(added.exitCode, 0) << added.err;
    const nlohmann::json cut = nlohmann::json::parse(added.out)["cut"];
    EXPECT_EQ(cut["type"], 6);
    EXPECT_EQ(cut["parameters"][0]["value"], "12");
    EXPECT_EQ(cut["description"], "Rounded end");
    const ProgramRun reread = run("cut list out.json");
    EXPECT_NE(reread.out.find("Stiffeners\tEndFillet\ttype 6\tstate 1\tRadius=12\tRounded end"),
              std::string::npos)
        << reread.out;

    const ProgramRun taken = run("cut set out.json Stiffeners endfillet2 --type 5");
    EXPECT_EQ(taken.exitCode, 0) << taken.err;
    EXPECT_NE(taken.out.find("not written"), std::string::npos);
    // The dialog refuses a cut without a name; its message is the reason.
    const ProgramRun refused = run("cut set out.json Plate1 ' ' --type 2 --out other.json");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("tessa: "), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "other.json"));
    EXPECT_EQ(run("cut set out.json Plate1 C9 --param Radius=1").exitCode, 1);
    EXPECT_EQ(run("cut set out.json Plate1 C9 --param Offset=wide").exitCode, 1);
    EXPECT_EQ(run("cut set out.json Plate1 C9 --out out.json").exitCode, 1);
}

TEST_F(CutCommandsTest, EditsAndRemovesACut) {
    const ProgramRun edited =
        run("cut set " + quoted(kSplice) +
            " plate1 PLATECUT --param Offset=7 --choice 2 --bevel-web on --out edited.json --json");
    ASSERT_EQ(edited.exitCode, 0) << edited.err;
    const nlohmann::json cut = nlohmann::json::parse(edited.out)["cut"];
    EXPECT_EQ(cut["name"], "PlateCut");
    EXPECT_EQ(cut["side"], 1);
    EXPECT_EQ(cut["bevelWeb"], true);
    EXPECT_EQ(cut["parameters"][0]["value"], "7");
    EXPECT_EQ(run("cut set edited.json Plate1 PlateCut --type 3").exitCode, 1);

    const ProgramRun removed = run("cut remove edited.json Stiffeners cleatnotch --out less.json");
    ASSERT_EQ(removed.exitCode, 0) << removed.err;
    const std::string less = run("cut list less.json").out;
    EXPECT_EQ(less.find("CleatNotch"), std::string::npos);
    EXPECT_NE(less.find("CleatSegments"), std::string::npos);
    EXPECT_EQ(run("cut remove less.json Stiffeners CleatNotch").exitCode, 1);
}

} // namespace
