#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

using MappingCommandsTest = ProgramTest;

const std::filesystem::path kLibrary =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library";

TEST_F(MappingCommandsTest, CandidatesListEveryMappableValueOfTheMacro) {
    const ProgramRun listed =
        run("mapping candidates --json --macro " + quoted(kLibrary / "macros/EndPlate.json"));
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const nlohmann::json candidates = nlohmann::json::parse(listed.out).at("candidates");
    const auto has = [&candidates](const nlohmann::json& wanted) {
        for (const auto& candidate : candidates) {
            if (candidate == wanted)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(has({{"kind", "Distance"}, {"object", "Plate"}, {"name", "W"}, {"category", 0}}));
    EXPECT_TRUE(
        has({{"kind", "BoltsDiameter"}, {"object", "Bolts"}, {"name", ""}, {"category", 0}}));
    EXPECT_TRUE(
        has({{"kind", "PatternNrBolts2"}, {"object", "Bolts"}, {"name", "P1"}, {"category", 0}}));
    EXPECT_TRUE(has({{"kind", "MemberSectionSize"},
                     {"object", ""},
                     {"name", "Prof0;0"},
                     {"category", 3},
                     {"description", "h"}}));
    EXPECT_TRUE(
        has({{"kind", "GenVar"}, {"object", ""}, {"name", "gen_PlateWidth"}, {"category", 0}}));
}

TEST_F(MappingCommandsTest, ShowPrintsTheEntriesOfOneStoredMapping) {
    const ProgramRun shown = run("mapping show EndPlate EndPlate --library " + quoted(kLibrary));
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, "Beam\tPrPlName\t\tProf0\n"
                         "BoltDia\tBoltsDiameter\tBolts\t\n"
                         "PlateWidth\tDistance\tPlate\tW\n"
                         "PlateHeight\tDistance\tPlate\tH\n"
                         "PlateThickness\tDistance\tPlate\tT\n"
                         "BoltGauge\tDistance\tBolts\tGauge\n");
}

TEST_F(MappingCommandsTest, MissingMappingsAndMacrosFailClearly) {
    const ProgramRun noMapping = run("mapping show EndPlate Other --library " + quoted(kLibrary));
    EXPECT_EQ(noMapping.exitCode, 1);
    EXPECT_NE(noMapping.err.find("no mapping named \"Other\""), std::string::npos) << noMapping.err;

    scratchFile("broken.json", "{\"name\": \"X\", \"modules\": [");
    const ProgramRun broken = run("mapping candidates --macro broken.json");
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.err.find("not valid JSON at line 1"), std::string::npos) << broken.err;
    EXPECT_EQ(run("mapping candidates").exitCode, 2) << "--macro is required";
}

} // namespace
