// The example library evaluated end to end: `tessa eval --json` on its standards sheets and
// macro, with the values worked out by hand from the section tables and size lists.
#include "tests/apps/ProgramRunner.h"

#include <map>
#include <nlohmann/json.hpp>

namespace {

const std::filesystem::path kLibrary =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples" / "library";
const std::filesystem::path kMacro = kLibrary / "macros" / "EndPlate.json";

class StandardsScenario : public ProgramTest {
protected:
    // Runs an evaluation with --json against the example library; the result document.
    nlohmann::json evaluate(const std::string& arguments, int expectedExit = 0) const {
        const ProgramRun run =
            this->run("eval --json --library " + quoted(kLibrary) + " " + arguments);
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
    const std::filesystem::path out = scratch_.path() / "out.json";
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
    const std::filesystem::path out = scratch_.path() / "out.json";
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
    const std::filesystem::path out = scratch_.path() / "out.json";
    const nlohmann::json result =
        evaluate("Stiffener --target EndPlate --macro " + quoted(kMacro) + " --out " + quoted(out));
    ASSERT_TRUE(result.at("ok")) << result.dump();
    EXPECT_EQ(values(result),
              (std::map<std::string, std::string>{
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
    scratchFile("Twice.map", "Mapping version 1.0\nEndPlate=Width\u0192Plate\u2022Distance W\n");
    const nlohmann::json result =
        evaluate(quoted(scratch_.path() / "Twice.tfs") + " --macro " + quoted(kMacro));
    ASSERT_TRUE(result.at("ok")) << result.dump();
    ASSERT_EQ(result.at("messages").size(), 1u);
    EXPECT_EQ(result.at("messages")[0].get<std::string>().rfind(
                  "There were duplicate variable names found in the standards file ", 0),
              0u);
}

TEST_F(StandardsScenario, FailuresWriteNothing) {
    const std::filesystem::path out = scratch_.path() / "out.json";
    // No Output label: the variables cannot be collected.
    scratchFile("NoOutput.tfs", "tessa-sheet 1\nsize 1 3\nvalue 1 1 text \"Input\"\n"
                                "value 1 2 text \"Double A\"\nvalue 1 3 text \"Calc\"\nend\n");
    nlohmann::json result = evaluate(quoted(scratch_.path() / "NoOutput.tfs") + " --macro " +
                                         quoted(kMacro) + " --out " + quoted(out),
                                     1);
    EXPECT_FALSE(result.at("ok"));
    EXPECT_FALSE(std::filesystem::exists(out));

    EXPECT_EQ(result.at("error").get<std::string>(),
              "the evaluation of " + (scratch_.path() / "NoOutput.tfs").string() + " failed: " +
                  (scratch_.path() / "NoOutput.tfs").string() + " has no \"Output\" label");

    result = evaluate("NoSuchSheet --macro " + quoted(kMacro), 1);
    EXPECT_EQ(result.at("error"),
              "the evaluation of NoSuchSheet failed: the sheet NoSuchSheet was not found (looked "
              "for NoSuchSheet and " +
                  (kLibrary / "Connection Standards" / "NoSuchSheet.tfs").string() + ")");

    scratchFile("broken.json", "{\"name\": \"EndPlate\", \"modules\": [{\"name\": \"M\"}");
    result = evaluate("EndPlate --macro " + quoted(scratch_.path() / "broken.json"), 1);
    EXPECT_NE(result.at("error").get<std::string>().find("not valid JSON"), std::string::npos);

    // An overflowing number of a million digits is named by its start and its length.
    scratchFile("huge.json",
                "{\"name\": \"EndPlate\", \"x\": 1" + std::string(1'000'000, '0') + "}");
    const ProgramRun huge = run("eval EndPlate --macro huge.json");
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_LT(huge.err.size(), 400u) << huge.err.substr(0, 400);
    EXPECT_NE(huge.err.find("(1000001 characters)"), std::string::npos) << huge.err.substr(0, 400);

    // A device or a FIFO is no macro file: refused at once, not read without end.
    result = evaluate("EndPlate --macro /dev/zero", 1);
    EXPECT_EQ(result.at("error"), "cannot read the macro file /dev/zero");

    EXPECT_EQ(run("eval EndPlate --macro " + quoted(kMacro) + " --gen NoEquals").exitCode, 2);
    EXPECT_EQ(run("eval EndPlate").exitCode, 2) << "--macro is required";
}

// Nothing mapped means empty inputs and nonsense outputs: a failure with the reason.
TEST_F(StandardsScenario, AnEvaluationThatCouldMapNothingFails) {
    const struct {
        std::string arguments;
        std::string reason;
    } cases[] = {
        {"EndPlate --target Nope", "EndPlate.map has no mapping named Nope"},
        {"EndPlate --target Module.Nope", "the modules of the group Nope give none of the inputs"},
        {quoted(scratch_.path() / "Bare.tfs"), "Bare.map is missing or cannot be read"},
    };
    std::filesystem::copy_file(kLibrary / "Connection Standards" / "EndPlate.tfs",
                               scratch_.path() / "Bare.tfs");
    for (const auto& c : cases) {
        const nlohmann::json result = evaluate(c.arguments + " --macro " + quoted(kMacro), 1);
        EXPECT_NE(result.at("error").get<std::string>().find(c.reason), std::string::npos)
            << c.arguments << ": " << result.dump();
    }
}

// A sheet named by a bare file name in the working folder has its mapping file beside it.
TEST_F(StandardsScenario, ABareSheetNameFindsItsMappingBesideIt) {
    for (const char* extension : {".tfs", ".map"})
        std::filesystem::copy_file(kLibrary / "Connection Standards" /
                                       ("EndPlate" + std::string(extension)),
                                   scratch_.path() / ("Local" + std::string(extension)));
    // The mapping file names its mapping after the macro; the library has no Local sheet.
    const nlohmann::json result = evaluate("Local.tfs --macro " + quoted(kMacro));
    ASSERT_TRUE(result.at("ok")) << result.dump();
    EXPECT_EQ(values(result).at("BoltDia"), "20");
    EXPECT_EQ(values(result).at("PlateWidth"), "220");
}

// Paths are UTF-8 whatever the locale: accented and non-Latin folders and sheet names.
TEST_F(StandardsScenario, NonAsciiFoldersAndSheetNames) {
    const std::filesystem::path library = scratch_.path() / "Biblioth\u00e8que";
    std::filesystem::copy(kLibrary, library, std::filesystem::copy_options::recursive);
    const std::filesystem::path standards = library / "Connection Standards";
    std::filesystem::copy_file(standards / "EndPlate.tfs", standards / "\u7aef\u677f.tfs");
    std::filesystem::copy_file(standards / "EndPlate.map", standards / "\u7aef\u677f.map");
    const struct {
        std::string sheet;
        std::string variable;
        std::string expected;
    } cases[] = {
        {"EndPlate", "PlateWidth", "220"},
        {"\u7aef\u677f", "PlateWidth", "220"},
        {"Stiffener", "WeldSize", "8"}, // its child sheet is found in the library too
    };
    for (const auto& c : cases) {
        const ProgramRun run =
            this->run("eval --json --target EndPlate --library " + quoted(library) + " " +
                      quoted(std::filesystem::path(c.sheet)) + " --macro " + quoted(kMacro));
        ASSERT_EQ(run.exitCode, 0) << c.sheet << run.err;
        EXPECT_EQ(values(nlohmann::json::parse(run.out)).at(c.variable), c.expected) << c.sheet;
    }
}

// The result never replaces a file the evaluation read; it is written whole or not at all.
TEST_F(StandardsScenario, AnOutputThatIsAnInputIsRefused) {
    const std::filesystem::path library = scratch_.path() / "lib";
    std::filesystem::copy(kLibrary, library, std::filesystem::copy_options::recursive);
    const std::filesystem::path sheet = library / "Connection Standards" / "EndPlate.tfs";
    const std::filesystem::path macro = library / "macros" / "EndPlate.json";
    const std::string before = readFile(sheet) + readFile(macro);
    for (const std::filesystem::path& out :
         {sheet, library / "Connection Standards" / "EndPlate.map", macro,
          library / "Connection Standards" / "." / "EndPlate.tfs"}) {
        const ProgramRun run = this->run("eval EndPlate --library " + quoted(library) +
                                         " --macro " + quoted(macro) + " --out " + quoted(out));
        EXPECT_EQ(run.exitCode, 1) << out;
        EXPECT_NE(run.err.find("which this evaluation reads"), std::string::npos) << run.err;
    }
    EXPECT_EQ(readFile(sheet) + readFile(macro), before);
    const ProgramRun written = run("eval EndPlate --library " + quoted(library) + " --macro " +
                                   quoted(macro) + " --out out.json");
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_NE(readFile(scratch_.path() / "out.json").find("\"W\""), std::string::npos);
    for (const auto& entry : std::filesystem::directory_iterator(scratch_.path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

} // namespace
