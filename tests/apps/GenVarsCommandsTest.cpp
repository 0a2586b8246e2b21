#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

const std::filesystem::path kExample =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library/GeneralVariables.json";

using GenVarsCommandsTest = ProgramTest;

TEST_F(GenVarsCommandsTest, ShowListsEveryRowAsTextAndAsTheFilesJson) {
    const ProgramRun text = run("genvars show " + quoted(kExample));
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("drawing\tgen_Coating\tGepoedercoat RAL 7016\tfilter: "
                            "Hal B\\;Luifel\\Luifel-west.dwg\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("standards\tgen_HoleClearance\t2\toverride: \tfilter: \n"),
              std::string::npos)
        << text.out;

    const ProgramRun json = run("genvars show " + quoted(kExample) + " --json");
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const nlohmann::json shown = nlohmann::json::parse(json.out);
    EXPECT_EQ(shown.at("drawing").size(), 5u);
    EXPECT_EQ(shown.at("standards")[3],
              nlohmann::json::parse(R"({"name":"gen_WeldThroat","value":"a5","override":"1",
                                        "filter":["Hal A\\","Hal B\\Spant-12.dwg"]})"));
}

TEST_F(GenVarsCommandsTest, ADamagedFileFailsWithWhereAndWhyAndEditChangesNothing) {
    const std::string damaged = R"({"drawing": [{"name": "gen_A", "filter": ["a;b"]}]})";
    const std::filesystem::path file = scratchFile("damaged.json", damaged);
    for (const char* command : {"genvars show ", "genvars edit "}) {
        const ProgramRun result = run(command + quoted(file));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find("drawing[0].filter[0]: a path must not contain ';'"),
                  std::string::npos)
            << result.err;
    }
    EXPECT_EQ(readFile(file), damaged);
}

// Every other key of the file is kept, so a file with neither list would read as no variables
// at all: it is named as the wrong kind of file, and edit leaves it as it was.
TEST_F(GenVarsCommandsTest, AFileWithNeitherListIsNotAGeneralVariablesFile) {
    const std::filesystem::path examples = std::filesystem::path(TESSA_SOURCE_ROOT) / "examples";
    struct Case {
        const char* name;
        std::string content;
        bool isGenVars;
    };
    const Case cases[] = {
        {"macro.json", readFile(examples / "library/macros/EndPlate.json"), false},
        {"workshop.json", readFile(examples / "library/Workshop/WorkshopSettings.json"), false},
        {"empty.json", "{}", false},
        {"other.json", R"({"comment": "drawing", "Drawing": []})", false},
        {"drawing.json", R"({"drawing": []})", true},
        {"standards.json", R"({"standards": [], "comment": 1})", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.content.empty());
        const std::filesystem::path file = scratchFile(c.name, c.content);
        const ProgramRun shown = run("genvars show " + quoted(file));
        if (c.isGenVars) {
            EXPECT_EQ(shown.exitCode, 0) << shown.err;
            EXPECT_EQ(shown.out, "");
            continue;
        }
        const std::string refusal = "tessa: " + file.string() +
                                    ": not a general-variables file (it has neither \"drawing\" "
                                    "nor \"standards\")\n";
        EXPECT_EQ(shown.exitCode, 1);
        EXPECT_EQ(shown.out, "");
        EXPECT_EQ(shown.err, refusal);
        const ProgramRun edited = run("genvars edit " + quoted(file));
        EXPECT_EQ(edited.exitCode, 1);
        EXPECT_EQ(edited.err, refusal);
        EXPECT_EQ(readFile(file), c.content);
    }
}

} // namespace
