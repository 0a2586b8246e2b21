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

} // namespace
