#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

const std::filesystem::path kSplice =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library/macros/BeamSplice.json";

using EditorCommandsTest = ProgramTest;

nlohmann::json variable(const nlohmann::json& module, const std::string& name) {
    for (const nlohmann::json& entry : module.at("variables")) {
        if (entry.at("name") == name)
            return entry;
    }
    return nullptr;
}

TEST_F(EditorCommandsTest, ShowListsTheModulesAsTheEditorDoes) {
    const ProgramRun result = run("editor show " + quoted(kSplice) + " --module plate1 --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const nlohmann::json module = nlohmann::json::parse(result.out).at("modules").at(0);
    EXPECT_EQ(module.at("name"), "Plate1");
    ASSERT_EQ(module.at("constraints").size(), 3u);
    EXPECT_EQ(module.at("constraints")[0].at("variable"), "H");
    EXPECT_EQ(module.at("constraints")[0].at("value"), "290");
    EXPECT_EQ(module.at("constraints")[2].at("imageSelections"), nlohmann::json::array());
    EXPECT_EQ(module.at("geometries").size(), 3u);
    EXPECT_EQ(module.at("dimensionValues")[0].at("name"), "H");
    EXPECT_EQ(module.at("equations")[1], "Weld = ROUND(T/3, 0)");
}

TEST_F(EditorCommandsTest, VarsSetsValuesAndFormulasInTheWrittenCopyOnly) {
    const std::string before = readFile(kSplice);
    const std::filesystem::path out = scratch_.path() / "out.json";
    const ProgramRun result =
        run("editor vars " + quoted(kSplice) + " --set W=250 --set 'Weld=ROUND(T/2, 0)' --out " +
            quoted(out) + " --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const nlohmann::json module = nlohmann::json::parse(result.out).at("module");
    EXPECT_EQ(variable(module, "W").at("value"), "250");
    EXPECT_EQ(variable(module, "Weld").at("value"), "8");
    EXPECT_EQ(module.at("equations")[1], "Weld = ROUND(T/2, 0)");
    EXPECT_EQ(readFile(kSplice), before);
    const std::string written = readFile(out);
    EXPECT_NE(written.find("\"Galvanised\""), std::string::npos); // a text value stays text
    EXPECT_NE(written.find("Weld = ROUND(T/2, 0)"), std::string::npos);
}

TEST_F(EditorCommandsTest, ConstraintChangesGoThroughTheEditorOrAreRefused) {
    const std::filesystem::path out = scratch_.path() / "constraint.json";
    struct Case {
        std::string arguments;
        const char* reason;
    };
    for (const Case& refused :
         {Case{"--id 10 --value 300", "derived"}, Case{"--id 10 --variable 9H", "\"9H\""},
          Case{"--id 11 --value 3", "has no value"},
          Case{"--id 99 --value 3", "no constraint 99"}}) {
        const ProgramRun result = run("editor constraint " + quoted(kSplice) + " " +
                                      refused.arguments + " --out " + quoted(out));
        EXPECT_EQ(result.exitCode, 1) << refused.arguments;
        EXPECT_NE(result.err.find(refused.reason), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << refused.arguments;
    }
    const ProgramRun result =
        run("editor constraint " + quoted(kSplice) +
            " --id 10 --variable Height --value 300 --out " + quoted(out) + " --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const nlohmann::json module = nlohmann::json::parse(result.out).at("module");
    EXPECT_EQ(module.at("constraints")[0].at("variable"), "Height");
    EXPECT_EQ(variable(module, "Height").at("value"), "300");
    EXPECT_EQ(variable(module, "H").at("value"), "290");
}

// The names the constraints page refuses, and numbers for what an equation derives, are refused
// before the editor opens: the command says why and writes nothing.
TEST_F(EditorCommandsTest, VarsRefusesBadNamesAndDerivedVariables) {
    nlohmann::json macro = nlohmann::json::parse(readFile(kSplice));
    macro["generalVariables"].push_back({{"name", "Gap"}, {"value", "5"}});
    const std::filesystem::path withGap = scratchFile("gap.json", macro.dump());
    const std::filesystem::path out = scratch_.path() / "vars.json";
    struct Case {
        std::filesystem::path file;
        std::string arguments;
        const char* reason;
    };
    for (const Case& c : {
             Case{kSplice, "--set gen_Gap=5",
                  "tessa: \"gen_Gap\" cannot name a variable: \"_\" is neither a letter nor a "
                  "digit\n"},
             Case{kSplice, "--set 'Edge dist=5'",
                  "tessa: \"Edge dist\" cannot name a variable: \" \" is neither a letter nor a "
                  "digit\n"},
             Case{kSplice, "--set 2W=5",
                  "tessa: \"2W\" cannot name a variable: it starts with a digit\n"},
             Case{kSplice, "--set 'Web_T=T/2'",
                  "tessa: \"Web_T\" cannot name a variable: \"_\" is neither a letter nor a "
                  "digit\n"},
             Case{kSplice, "--set W=250 --set H=400",
                  "tessa: \"H\" cannot be set: it is computed by its formula\n"},
             Case{kSplice, "--set weld=6",
                  "tessa: \"weld\" cannot be set: it is computed by its formula\n"},
             Case{kSplice, "--module Bolts1 --set H=400 --set 9=1",
                  "tessa: \"9\" cannot name a variable: it starts with a digit\n"},
             Case{withGap, "--set gap=3",
                  "tessa: \"gap\" cannot name a variable: a general variable has that name\n"},
         }) {
        SCOPED_TRACE(c.arguments);
        const ProgramRun result =
            run("editor vars " + quoted(c.file) + " " + c.arguments + " --out " + quoted(out));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.reason);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    // In another module the name is a new variable of its own.
    const ProgramRun other = run("editor vars " + quoted(kSplice) +
                                 " --module Bolts1 --set H=400 --out " + quoted(out) + " --json");
    ASSERT_EQ(other.exitCode, 0) << other.err;
    EXPECT_EQ(variable(nlohmann::json::parse(other.out).at("module"), "H").at("value"), "400");
}

} // namespace
