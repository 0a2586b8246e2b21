#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

const std::filesystem::path kSettings =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library/Workshop/WorkshopSettings.json";

using WorkshopCommandsTest = ProgramTest;

// A path from the tree reaches its setting; set writes only the copy named by --out, and the
// copy reads back with the change and nothing else changed.
TEST_F(WorkshopCommandsTest, TreePathsLeadToSettingsThatSetChangesInTheCopyOnly) {
    const ProgramRun tree = run("workshop tree " + quoted(kSettings) + " --json");
    ASSERT_EQ(tree.exitCode, 0) << tree.err;
    const nlohmann::json items = nlohmann::json::parse(tree.out).at("items");
    EXPECT_EQ(items[1], nlohmann::json::parse(R"({"index":1,"level":1,"label":"Plates",
        "type":"GroupDlg","path":"mGroupedSettings/Plates","protected":true})"));
    const nlohmann::json& endPlate = items[17];
    ASSERT_EQ(endPlate.at("label"), "Zicht eindplaat");

    const std::string mask = quoted(
        std::filesystem::path(endPlate.at("path").get<std::string>() + "/mDrawnForFeatures"));
    const ProgramRun got = run("workshop get " + quoted(kSettings) + " " + mask);
    EXPECT_EQ(got.out, "9\n") << got.err;

    const std::string before = readFile(kSettings);
    const std::filesystem::path out = scratch_.path() / "out.json";
    const ProgramRun set =
        run("workshop set " + quoted(kSettings) + " " + mask + " 5 --out " + quoted(out));
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(readFile(kSettings), before);
    const ProgramRun again = run("workshop get " + quoted(out) + " " + mask);
    EXPECT_EQ(again.out, "5\n") << again.err;
    std::string expected = before;
    const std::size_t at = expected.find("\"mDrawnForFeatures\": 9");
    expected.replace(at, 22, "\"mDrawnForFeatures\": 5");
    EXPECT_EQ(readFile(out), expected);
}

TEST_F(WorkshopCommandsTest, RefusalsExitWithTheirReasonAndWriteNothing) {
    struct Case {
        std::string arguments;
        std::string reason;
    };
    const std::filesystem::path out = scratch_.path() / "refused.json";
    const Case cases[] = {
        {"mGroupedSettings/Marks/mGroupName Merken",
         "tessa: De 4 basisgroepen zijn beveiligd. U mag deze niet verwijderen omdat ze nodig "
         "zijn om het genereren van de werktekeningen goed te laten verlopen.\n"},
        {"mGroupedSettings/Trappen/mGroupName GORDINGEN",
         "tessa: Deze naam is reeds in gebruik. U dient een naam in te geven die nog niet "
         "gebruikt wordt.\n"},
        {"mGroupedSettings/Nieuw/mType 2",
         "tessa: \"mGroupedSettings/Nieuw\": no element of that name\n"},
        {"mGroupedSettings/Trappen/mType 99999999999",
         "tessa: \"mGroupedSettings/Trappen/mType\": 99999999999 is not between 1 and 4\n"},
        {"mGroupedSettings/Trappen/mFilterProperties '[11, 4294967296]'",
         "tessa: VALUE [11, 4294967296]: 4294967296 does not belong in a list of integers\n"},
        {"mFormats/A4/mPermittedScales '[1, \"x\"]'",
         "tessa: VALUE [1, \"x\"]: \"x\" does not belong in a list of numbers\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ProgramRun result =
            run("workshop set " + quoted(kSettings) + " " + c.arguments + " --out " + quoted(out));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.reason);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    const std::filesystem::path copy = scratchFile("copy.json", readFile(kSettings));
    const ProgramRun onItself = run("workshop set copy.json mTfDimStyle X --out " + quoted(copy));
    EXPECT_EQ(onItself.exitCode, 1);
    EXPECT_NE(onItself.err.find("which this command reads"), std::string::npos);
    EXPECT_EQ(readFile(copy), readFile(kSettings));
}

// Edit reads the file before any window opens: a damaged file fails with where and why and
// stays as it was.
TEST_F(WorkshopCommandsTest, EditOfADamagedFileFailsAndChangesNothing) {
    const std::string damaged = R"({"mFormats": [{"mFormatName": "A4", "mEnabled": "ja"}]})";
    const std::filesystem::path file = scratchFile("damaged.json", damaged);
    const ProgramRun result = run("workshop edit " + quoted(file));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("mFormats[0].mEnabled"), std::string::npos) << result.err;
    EXPECT_EQ(readFile(file), damaged);
}

// Every key may be left out and unknown keys are kept, so any JSON object would read as the
// default settings: one with none of the settings' keys is named as the wrong kind of file by
// every command, and nothing is written.
TEST_F(WorkshopCommandsTest, AFileWithNoneOfTheSettingsKeysIsNotAWorkshopSettingsFile) {
    const std::filesystem::path library =
        std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library";
    struct Case {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {"macro.json", readFile(library / "macros/EndPlate.json")},
        {"genvars.json", readFile(library / "GeneralVariables.json")},
        {"empty.json", "{}"},
        {"other.json", R"({"mformats": [], "comment": {"mFormats": []}})"},
    };
    const std::filesystem::path out = scratch_.path() / "out.json";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.content.empty());
        const std::filesystem::path file = scratchFile(c.name, c.content);
        const std::string refusal =
            "tessa: " + file.string() +
            ": not a workshop-settings file (it has none of the keys of workshop settings: "
            "\"mDimStyleTemplate\", \"mAcadDimStyle\", \"mTfDimStyle\", "
            "\"mDSTVWeldpointsOnMarks\", \"mAddStripsToPlates\", \"mDSTVFileNaming\", "
            "\"mDXFFileNaming\", \"mFormats\", \"mGroupedSettings\")\n";
        for (const std::string& command :
             {"tree " + quoted(file), "tree " + quoted(file) + " --json",
              "get " + quoted(file) + " mTfDimStyle",
              "set " + quoted(file) + " mTfDimStyle X --out " + quoted(out),
              "edit " + quoted(file)}) {
            SCOPED_TRACE(command);
            const ProgramRun result = run("workshop " + command);
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, refusal);
        }
        EXPECT_EQ(readFile(file), c.content);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    // One key is enough: the rest keeps its defaults.
    const std::filesystem::path minimal = scratchFile("minimal.json", R"({"mFormats": []})");
    const ProgramRun tree = run("workshop tree " + quoted(minimal));
    EXPECT_EQ(tree.exitCode, 0) << tree.err;
    const ProgramRun got = run("workshop get " + quoted(minimal) + " mDSTVFileNaming/mSeperator");
    EXPECT_EQ(got.out, "_\n") << got.err;
}

} // namespace
