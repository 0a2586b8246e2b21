#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

using MacroSettingsCommandsTest = ProgramTest;

const std::filesystem::path kLibrary =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library";

TEST_F(MacroSettingsCommandsTest, ShowPrintsEverySettingOfTheMacro) {
    const ProgramRun shown = run("settings show " + quoted(kLibrary / "macros/BeamSplice.json"));
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    for (const char* line :
         {"filter\ton\n", "axis\tBeam in line\ton\tmode 0\t0\t5\n",
          "section\tUpright section\ton\t0..10 170..190\n",
          "size\tHEA range\ton\t100\t300\t100\t300\n", "property\tMaterial\t\tS235;S355\n",
          "variables\tfirst 1\tsecond 0\tnumber 2\n", "variable\tTolerance\t0.5\n",
          "groupTexts\tSplice\tPlates\n", "group\tBolts1\tBolts\t2\n",
          "mapping\tBoltSpacing\tModule.Bolts1\tBolts1\n"})
        EXPECT_NE(shown.out.find(line), std::string::npos) << line << "\n" << shown.out;

    const ProgramRun json =
        run("settings show --json " + quoted(kLibrary / "macros/BeamSplice.json"));
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const nlohmann::json settings = nlohmann::json::parse(json.out).at("settings");
    EXPECT_EQ(settings.at("sectionFilters")[0].at("anglePairs")[1],
              nlohmann::json::parse("[170, 190]"));
}

TEST_F(MacroSettingsCommandsTest, MapChangesAMappingAndWritesOnlyWithOut) {
    // A library of its own: the mapping file is written into it.
    const std::filesystem::path library = scratchFile("library.txt", "").parent_path() / "lib";
    std::filesystem::create_directories(library / "Connection Standards");
    for (const char* name : {"EndPlate.tfs", "EndPlate.map"})
        std::filesystem::copy_file(kLibrary / "Connection Standards" / name,
                                   library / "Connection Standards" / name);
    const std::string map = readFile(library / "Connection Standards/EndPlate.map");
    const std::string arguments = "settings map " + quoted(kLibrary / "macros/EndPlate.json") +
                                  " --sheet endplate --var \"PlateWidth=Distance Plate.H\"" +
                                  " --var BoltGauge= --library " + quoted(library) + " --json";

    const ProgramRun dry = run(arguments);
    ASSERT_EQ(dry.exitCode, 0) << dry.err;
    nlohmann::json result = nlohmann::json::parse(dry.out);
    EXPECT_EQ(result.at("spreadsheet"), "EndPlate");
    EXPECT_TRUE(result.at("mappingChanged"));
    ASSERT_EQ(result.at("mappings").size(), 1U);
    EXPECT_EQ(result.at("mappings")[0].at("entries"), 5);
    EXPECT_EQ(readFile(library / "Connection Standards/EndPlate.map"), map) << "nothing written";

    const ProgramRun saved = run(arguments + " --out out.json");
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    result = nlohmann::json::parse(saved.out);
    const std::string name = result.at("target");
    const nlohmann::json macro =
        nlohmann::json::parse(readFile(scratchFile("x", "").parent_path() / "out.json"));
    EXPECT_EQ(macro.at("settings").at("mappings")[0].at("target"), name);
    EXPECT_NE(readFile(library / "Connection Standards/EndPlate.map").find(name + "="),
              std::string::npos);
}

TEST_F(MacroSettingsCommandsTest, MapRefusesWhatTheDialogDoesNotOffer) {
    const std::string macro = quoted(kLibrary / "macros/EndPlate.json");
    struct Case {
        std::string arguments;
        int exitCode;
        const char* reason;
    };
    for (const Case& c :
         {Case{"--sheet Nothing", 1, "no standards sheet Nothing"},
          Case{"--sheet EndPlate --to Frame", 1, "the macro has no module Frame"},
          Case{"--sheet EndPlate --var \"Width=Distance Plate.W\"", 1, "no input or output Width"},
          Case{"--sheet EndPlate --var \"PlateWidth=Distance Nowhere\"", 1,
               "no macro value \"Distance Nowhere\""},
          Case{"--sheet EndPlate --var PlateWidth", 2, "expected VARIABLE=VALUE"}}) {
        const ProgramRun refused = run("settings map " + macro + " " + c.arguments);
        EXPECT_EQ(refused.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(refused.err.find(c.reason), std::string::npos)
            << c.arguments << ": " << refused.err;
    }
}

} // namespace
