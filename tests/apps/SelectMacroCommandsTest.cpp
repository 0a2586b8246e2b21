#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

namespace {

using SelectMacroCommandsTest = ProgramTest;

const std::filesystem::path kMacros =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library/macros";

TEST_F(SelectMacroCommandsTest, ShowsTheExampleLibraryWithItsOwnPictures) {
    const ProgramRun shown = run("select-macro " + quoted(kMacros) + " --json");
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const nlohmann::json result = nlohmann::json::parse(shown.out);
    ASSERT_EQ(result["macros"].size(), 6u);
    for (const auto& macro : result["macros"]) {
        const std::string picture = macro["picture"];
        EXPECT_EQ(picture.substr(picture.size() - 4), ".bmp") << picture;
    }
    EXPECT_EQ(result["macros"][0]["label"], "Voetplaat"); // translated into the work language
    EXPECT_EQ(result["filter"][0]["module"], "Bolts");
    EXPECT_TRUE(result["chosen"].is_null());
}

// Switching the bolts off leaves the macros without bolts; one of them is chosen, one with
// bolts cannot be.
TEST_F(SelectMacroCommandsTest, ChoosesAmongTheFilteredMacros) {
    std::filesystem::create_directories(scratch_.path() / "lib");
    for (const std::string name : {"Cleat", "Stiffener", "Haunch"})
        std::filesystem::copy_file(kMacros / (name + ".dwg"),
                                   scratch_.path() / "lib" / (name + ".dwg"));
    const ProgramRun chosen =
        run("select-macro lib --off Bolts --off 'Plate/T=15' --choose stiffener");
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
    EXPECT_NE(chosen.out.find("off\tBolts\n"), std::string::npos) << chosen.out;
    EXPECT_EQ(chosen.out.find("Cleat.dwg"), std::string::npos) << chosen.out;
    EXPECT_EQ(chosen.out.find("Haunch.dwg"), std::string::npos) << chosen.out;
    EXPECT_NE(chosen.out.find("chosen\t"), std::string::npos) << chosen.out;
    EXPECT_NE(chosen.out.find("Stiffener.dwg"), std::string::npos) << chosen.out;
    // The drawings had no pictures: the chooser drew their previews.
    EXPECT_TRUE(std::filesystem::exists(scratch_.path() / "lib/Cleat.abm"));

    const ProgramRun refused = run("select-macro lib --off Bolts --choose Cleat");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("no macro 'Cleat' is shown"), std::string::npos) << refused.err;
    EXPECT_EQ(run("select-macro lib --off Gussets").exitCode, 1);
}

TEST_F(SelectMacroCommandsTest, AFolderThatIsNoneIsRefusedAsGiven) {
    scratchFile("notes.txt", "not a folder\n");
    struct Case {
        const char* folder;
        const char* err;
    };
    const Case cases[] = {
        {"notes.txt", "tessa: select-macro: notes.txt is not a folder\n"},
        {"notes.txt/", "tessa: select-macro: notes.txt/ is not a folder\n"},
        {"nowhere", "tessa: select-macro: there is no folder nowhere\n"},
        {"nowhere\\sub", "tessa: select-macro: there is no folder nowhere/sub\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const ProgramRun result = run(std::string("select-macro '") + c.folder + "' --json");
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
    }
}

// A drawing that cannot be read passes every filter: it is still listed, and why it could not
// be read goes to stderr, each file named once and written with '/'.
TEST_F(SelectMacroCommandsTest, DrawingsThatCannotBeReadAreReported) {
    std::filesystem::create_directories(scratch_.path() / "lib");
    std::filesystem::copy_file(kMacros / "Cleat.dwg", scratch_.path() / "lib/Cleat.dwg");
    scratchFile("lib/Broken.dwg", "{\"name\": ");
    scratchFile("lib/Empty.dwg", "");
    const ProgramRun listed = run("select-macro lib --choose Cleat");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    std::vector<std::string> warnings;
    std::istringstream err(listed.err);
    for (std::string line; std::getline(err, line);) {
        if (line.rfind("tessa: warning: select-macro: ", 0) == 0)
            warnings.push_back(line);
    }
    ASSERT_EQ(warnings.size(), 2u) << listed.err;
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        const std::string file = i == 0 ? "lib/Broken.dwg" : "lib/Empty.dwg";
        SCOPED_TRACE(file);
        EXPECT_EQ(warnings[i].rfind("tessa: warning: select-macro: " + file + ": ", 0), 0u)
            << warnings[i];
        EXPECT_EQ(warnings[i].find(file + ": " + file), std::string::npos) << warnings[i];
        EXPECT_EQ(warnings[i].find('\\'), std::string::npos) << warnings[i];
        EXPECT_NE(listed.out.find("\t" + file + "\n"), std::string::npos) << listed.out;
    }
    EXPECT_EQ(listed.out.find('\\'), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("\tlib/Cleat.dwg\n"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("chosen\tlib/Cleat.dwg\n"), std::string::npos) << listed.out;
}

TEST_F(SelectMacroCommandsTest, GridDialogEditsATableAndWritesItOnlyToOut) {
    const std::string table = "Naam;Diameter\nM16;16\nM20;20\n";
    const std::filesystem::path csv = scratchFile("bolts.csv", table);
    const ProgramRun edited =
        run("grid-dialog bolts.csv --edit 'set 2,2=22' --edit 'add 1' --edit 'set 2,1=M18' "
            "--edit 'remove 3' --out edited.csv --json");
    ASSERT_EQ(edited.exitCode, 0) << edited.err;
    EXPECT_EQ(nlohmann::json::parse(edited.out),
              nlohmann::json::parse(
                  R"({"columns":["Naam","Diameter"],"rows":[["M16","16"],["M18",""]]})"));
    EXPECT_EQ(readFile(scratch_.path() / "edited.csv"), "Naam,Diameter\r\nM16,16\r\nM18,\r\n");
    EXPECT_EQ(readFile(csv), table);

    const ProgramRun wrong = run("grid-dialog bolts.csv --edit 'swap 1 2'");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.err.find("swap 1 2"), std::string::npos) << wrong.err;
    EXPECT_EQ(run("grid-dialog bolts.csv --out bolts.csv").exitCode, 1);
}

} // namespace
