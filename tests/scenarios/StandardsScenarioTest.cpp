// The example library evaluated end to end: `tessa eval --json` on its standards sheets and
// macro, with the values worked out by hand from the section tables and size lists.
#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

#include <map>

namespace {

const std::filesystem::path kLibrary =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples" / "library";
const std::filesystem::path kMacro = kLibrary / "macros" / "EndPlate.json";

class StandardsScenario : public ProgramTest {
protected:
    // Runs an evaluation with --json against the example library; the result document.
    nlohmann::json evaluate(const std::string& arguments, int expectedExit = 0) const {
        const ProgramRun run = this->run("eval --json --library " + quoted(kLibrary) + " " +
                                         arguments);
        EXPECT_EQ(run.exitCode, expectedExit) << run.err;
        return nlohmann::json::parse(run.out, nullptr, false);
    }

    // name -> value of the variables of a result.
    static std::map<std::string, std::string> values(const nlohmann::json& result) {
        std::map<std::string, std::string> byName;
        for (const auto& variable : result.at("variables"))
            byName[variable.at("name")] = variable.at("value");
        return byName;
    }

    // The value of a module's constraint variable in a macro file.
    static std::string variableOf(const nlohmann::json& macro, const std::string& module,
                                  const std::string& variable) {
        for (const auto& m : macro.at("modules")) {
            if (m.at("name") != module)
                continue;
            for (const auto& v : m.at("variables")) {
                if (v.at("name") == variable)
                    return v.at("value");
            }
        }
        return "<missing>";
    }
};

// HEA-200: h 190, b 200, tf 10. Width 200 + 2 x 10 overhang; height 190 + 2 x 2.5 x 20 rounded
// to 10; thickness max(12.5, 12) picked from the plate list with tolerances 0/+5 gives 15;
// gauge min(110, 140) rounded to 5.
TEST_F(StandardsScenario, EndPlateIsSizedFromTheBeamSection) {
    const std::filesystem::path out = mScratch.path() / "out.json";
    const std::string before = readFile(kMacro);
    const nlohmann::json result =
        evaluate("EndPlate --macro " + quoted(kMacro) + " --out " + quoted(out));
    ASSERT_TRUE(result.at("ok")) << result.dump();
    EXPECT_EQ(result.at("variables")[0],
              nlohmann::json::parse(
                  R"({"name":"Beam","section":"Input","type":"String","value":"HEA-200"})"));
    EXPECT_EQ(values(result), (std::map<std::string, std::string>{{"Beam", "HEA-200"},
                                                                   {"BoltDia", "20"},
                                                                   {"PlateWidth", "220"},
                                                                   {"PlateHeight", "290"},
                                                                   {"PlateThickness", "15"},
                                                                   {"BoltGauge", "110"},
                                                                   {"h", "190"},
                                                                   {"b", "200"},
                                                                   {"tf", "10"}}));
    EXPECT_TRUE(result.at("messages").empty());

    const nlohmann::json written = nlohmann::json::parse(readFile(out));
    EXPECT_EQ(variableOf(written, "Plate1", "W"), "220");
    EXPECT_EQ(variableOf(written, "Plate1", "H"), "290");
    EXPECT_EQ(variableOf(written, "Plate1", "T"), "15");
    EXPECT_EQ(variableOf(written, "Bolts1", "Gauge"), "110");
    EXPECT_EQ(readFile(kMacro), before) << "the input macro is never changed";
}

TEST_F(StandardsScenario, GeneralVariablesOfTheCommandLineReplaceTheMacros) {
    const nlohmann::json result =
        evaluate("EndPlate --macro " + quoted(kMacro) + " --gen gen_Overhang=25");
    EXPECT_EQ(values(result).at("PlateWidth"), "250");
}

// Module-group mode: M20 has a 22 mm hole; edge distance 1.5 x 22 = 33 and pitch 66 are
// picked upwards from the spacing list (35, 70); (220 - 70) / 70 gives 3 bolt rows.
TEST_F(StandardsScenario, BoltSpacingUsesTheNamingConventionsOfItsModuleGroup) {
    const std::filesystem::path out = mScratch.path() / "out.json";
    const nlohmann::json result = evaluate("BoltSpacing --target Module.Bolts --macro " +
                                           quoted(kMacro) + " --out " + quoted(out));
    ASSERT_TRUE(result.at("ok")) << result.dump();
    const auto byName = values(result);
    EXPECT_EQ(byName.at("Bolts.Diameter"), "20");
    EXPECT_EQ(byName.at("gen.PlateWidth"), "220.0000");
    EXPECT_EQ(byName.at("Hole"), "22");
    EXPECT_EQ(byName.at("EdgeDist"), "35");
    EXPECT_EQ(byName.at("Pitch"), "70");
    EXPECT_EQ(byName.at("P1.NrBolts1"), "3");

    const nlohmann::json written = nlohmann::json::parse(readFile(out));
    EXPECT_EQ(variableOf(written, "Bolts1", "EdgeDist"), "35");
    EXPECT_EQ(variableOf(written, "Bolts1", "Pitch"), "70");
    EXPECT_EQ(written.at("modules")[1].at("patterns")[0].at("nrBolts")[0], "3");
}

// The parent picks the stiffener thickness and hands it to the weld child sheet, whose throat
// max(3, 7.5) is picked upwards from the weld list.
TEST_F(StandardsScenario, StiffenerCallsItsWeldChildSheet) {
    const std::filesystem::path out = mScratch.path() / "out.json";
    const nlohmann::json result =
        evaluate("Stiffener --target EndPlate --macro " + quoted(kMacro) + " --out " + quoted(out));
    ASSERT_TRUE(result.at("ok")) << result.dump();
    EXPECT_EQ(values(result), (std::map<std::string, std::string>{
                                  {"Thickness", "15"}, {"StiffThickness", "15"}, {"WeldSize", "8"}}));
    const nlohmann::json written = nlohmann::json::parse(readFile(out));
    EXPECT_EQ(variableOf(written, "Stiffener1", "T"), "15");
    EXPECT_EQ(variableOf(written, "Stiffener1", "Weld"), "8");
}

TEST_F(StandardsScenario, DuplicateNamesAreReportedEvenWithoutMessages) {
    scratchFile("Twice.tfs", "tessa-sheet 1\nsize 2 6\n"
                             "value 1 1 text \"Input\"\nvalue 1 2 text \"Double Width\"\n"
                             "value 2 2 text \"Double Width\"\nvalue 1 3 text \"Output\"\n"
                             "value 1 4 text \"Double Area\"\nvalue 1 5 text \"Calc\"\n"
                             "value 1 6 text \"Area = Width * 2\"\nend\n");
    const nlohmann::json result =
        evaluate(quoted(mScratch.path() / "Twice.tfs") + " --macro " + quoted(kMacro));
    ASSERT_TRUE(result.at("ok")) << result.dump();
    ASSERT_EQ(result.at("messages").size(), 1u);
    EXPECT_EQ(result.at("messages")[0].get<std::string>().rfind(
                  "There were duplicate variable names found in the standards file ", 0),
              0u);
}

TEST_F(StandardsScenario, FailuresWriteNothing) {
    const std::filesystem::path out = mScratch.path() / "out.json";
    // No Output label: the variables cannot be collected.
    scratchFile("NoOutput.tfs", "tessa-sheet 1\nsize 1 3\nvalue 1 1 text \"Input\"\n"
                                "value 1 2 text \"Double A\"\nvalue 1 3 text \"Calc\"\nend\n");
    nlohmann::json result = evaluate(quoted(mScratch.path() / "NoOutput.tfs") + " --macro " +
                                         quoted(kMacro) + " --out " + quoted(out),
                                     1);
    EXPECT_FALSE(result.at("ok"));
    EXPECT_FALSE(std::filesystem::exists(out));

    result = evaluate("NoSuchSheet --macro " + quoted(kMacro), 1);
    EXPECT_EQ(result.at("error"), "the evaluation of NoSuchSheet failed");

    scratchFile("broken.json", "{\"name\": \"EndPlate\", \"modules\": [{\"name\": \"M\"}");
    result = evaluate("EndPlate --macro " + quoted(mScratch.path() / "broken.json"), 1);
    EXPECT_NE(result.at("error").get<std::string>().find("not valid JSON"), std::string::npos);

    EXPECT_EQ(run("eval EndPlate --macro " + quoted(kMacro) + " --gen NoEquals").exitCode, 2);
    EXPECT_EQ(run("eval EndPlate").exitCode, 2) << "--macro is required";
}

} // namespace
