#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

// Runs in a scratch folder holding a library "lib" whose designer folder has the example's
// EndPlate, a copy of it below "sub", and designs damaged in three ways; "Outside.txt" lies
// beside the library.
class DesignCommandsTest : public ProgramTest {
protected:
    static constexpr const char* kFolder = "lib/Dialog Templates/Dialog Design/";

    void makeLibrary() const {
        const std::filesystem::path example = std::filesystem::path(TESSA_SOURCE_ROOT) /
                                              "examples/library/Dialog Templates/Dialog Design";
        const std::filesystem::path folder = scratch_.path() / kFolder;
        std::filesystem::create_directories(folder / "sub");
        for (const char* extension : {".txt", ".bmp"}) {
            std::filesystem::copy_file(example / ("EndPlate" + std::string(extension)),
                                       folder / ("EndPlate" + std::string(extension)));
            std::filesystem::copy_file(example / ("EndPlate" + std::string(extension)),
                                       folder / ("sub/Plate" + std::string(extension)));
        }
        for (const Damaged& damaged : kDamaged)
            scratchFile(kFolder + std::string(damaged.name) + ".txt", damaged.content);
        scratchFile("Outside.txt", "Vdn_PropertiesList 1\n2\tnrOfControls\t0\n");
    }

    struct Damaged {
        const char* name;
        const char* content;
        const char* reason;
    };
    static constexpr Damaged kDamaged[] = {
        {"Text", "a letter, not a design\n",
         "damaged: not a properties list (a first line \"Vdn_PropertiesList 1\", then a type, "
         "a key and a value a line, each key once)"},
        {"Many", "Vdn_PropertiesList 1\n2\tnrOfControls\t10001\n",
         "damaged: nrOfControls is 10001, not between 0 and 10000"},
        {"Nan", "Vdn_PropertiesList 1\n2\tnrOfControls\t1\n1\ttopLeftX0\tnan\n",
         "damaged: a corner of control 0 is not a finite number"},
    };
    static constexpr const char* kOutsideReason =
        "not below the designer folder lib/Dialog Templates/Dialog Design/";
};

TEST_F(DesignCommandsTest, TheExampleDesignIsListedAndShownWithEveryControl) {
    const ProgramRun list = run("design list --json");
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_NE(list.out.find("\"EndPlate\""), std::string::npos);

    const ProgramRun show = run("design show EndPlate --json");
    ASSERT_EQ(show.exitCode, 0) << show.err;
    const nlohmann::json design = nlohmann::json::parse(show.out);
    EXPECT_EQ(design.at("name"), "EndPlate");
    EXPECT_EQ(design.at("picture").at("width"), 420);
    const auto& controls = design.at("controls");
    ASSERT_EQ(controls.size(), 16u);
    EXPECT_EQ(controls[2].at("typeName"), "ctVarEdit");
    EXPECT_EQ(controls[2].at("contents"), "W");
    EXPECT_EQ(controls[2].at("pixels").at("left"), 325.0);
    EXPECT_EQ(controls[2].at("tabOrder"), 1);
    EXPECT_EQ(controls[14].at("comboList"), "Stiffener;;;"); // a flex button's merged fields

    const ProgramRun names = run("design names EndPlate");
    EXPECT_EQ(names.out, "W\nH\nT\nGauge\nPitch\nEdgeDist\n");
}

TEST_F(DesignCommandsTest, AMissingOrOutsideDesignFailsWithTheReason) {
    const ProgramRun missing = run("design show Nothing");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("not found"), std::string::npos) << missing.err;
    scratchFile("Outside.txt", "Vdn_PropertiesList 1\n2\tnrOfControls\t0\n");
    const ProgramRun outside = run("design show ./Outside.txt");
    EXPECT_EQ(outside.exitCode, 1);
    EXPECT_NE(outside.err.find("not below the designer folder"), std::string::npos) << outside.err;
}

TEST_F(DesignCommandsTest, AnEditScriptRunsTheDesignerAndSavesUnderTheNewName) {
    const std::filesystem::path library = scratch_.path() / "library";
    std::filesystem::copy(std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library", library,
                          std::filesystem::copy_options::recursive);
    scratchFile("ops.txt", "# move W's edit down, take it back, add a control\n"
                           "click 360 57\ndrag 360 57 360 87\nundo\nadd\ncontents PlateGap\n"
                           "width 45\nsave\n");
    const ProgramRun edited = run("design edit EndPlate --library " + quoted(library) +
                                  " --script ops.txt --save-as Edited --json");
    ASSERT_EQ(edited.exitCode, 0) << edited.err;
    const nlohmann::json design = nlohmann::json::parse(edited.out);
    EXPECT_EQ(design.at("name"), "Edited");
    ASSERT_EQ(design.at("controls").size(), 17u);
    EXPECT_EQ(design.at("controls")[2].at("pixels").at("top"), 48.0); // the move was undone
    const auto& added = design.at("controls")[16];
    EXPECT_EQ(added.at("contents"), "PlateGap");
    EXPECT_EQ(added.at("pixels").at("right").get<double>() -
                  added.at("pixels").at("left").get<double>(),
              45.0);
    const std::string folder = "library/Dialog Templates/Dialog Design/";
    EXPECT_TRUE(std::filesystem::exists(scratch_.path() / (folder + "Edited.txt")));
    EXPECT_TRUE(std::filesystem::exists(scratch_.path() / (folder + "Edited.bmp")));

    scratchFile("bad.txt", "add\nspin 3\n");
    const ProgramRun bad =
        run("design edit EndPlate --library " + quoted(library) + " --script bad.txt");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("line 2"), std::string::npos) << bad.err;
}

// Missing, damaged and outside designs each fail with their own reason, for show and names
// alike, and print nothing.
TEST_F(DesignCommandsTest, EachDesignThatCannotBeReadFailsWithItsOwnReason) {
    makeLibrary();
    struct Case {
        std::string design;
        std::string err;
    };
    std::vector<Case> cases = {
        {"Nothing",
         "tessa: design \"Nothing\" not found (" + std::string(kFolder) + "Nothing.txt)\n"},
        {"./Outside.txt", "tessa: design \"./Outside.txt\" (./Outside.txt) cannot be read: " +
                              std::string(kOutsideReason) + "\n"},
    };
    for (const Damaged& damaged : kDamaged)
        cases.push_back({damaged.name, "tessa: design \"" + std::string(damaged.name) + "\" (" +
                                           kFolder + damaged.name +
                                           ".txt) cannot be read: " + damaged.reason + "\n"});
    for (const Case& c : cases) {
        for (const char* command : {"show", "names"}) {
            SCOPED_TRACE(std::string(command) + " " + c.design);
            const ProgramRun result =
                run(std::string("design ") + command + " '" + c.design + "' --library lib");
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, c.err);
        }
    }
    const ProgramRun list = run("design list --library nowhere");
    EXPECT_EQ(list.exitCode, 1);
    EXPECT_EQ(list.out, "");
    EXPECT_EQ(list.err, "tessa: no design folder nowhere/Dialog Templates/Dialog Design\n");
}

// The library and the design may each be given relative or absolute, in any spelling of the
// same place; the name is the path below the designer folder.
TEST_F(DesignCommandsTest, ARelativeLibraryWorksInEverySpelling) {
    makeLibrary();
    const std::string absolute = (scratch_.path() / "lib").string();
    const std::string inFolder = (scratch_.path() / kFolder / "EndPlate.txt").string();
    struct Case {
        std::string library;
        std::string design;
        std::string name;
    };
    const Case cases[] = {
        {"lib", "EndPlate", "EndPlate"},
        {"lib/./", "EndPlate", "EndPlate"},
        {"./lib//", "EndPlate", "EndPlate"},
        {"lib/../lib", "EndPlate", "EndPlate"},
        {"lib", inFolder, "EndPlate"},
        {absolute, std::string(kFolder) + "EndPlate.txt", "EndPlate"},
        {"lib", "lib//Dialog Templates/./Dialog Design/../Dialog Design/EndPlate", "EndPlate"},
        {"lib", "sub/Plate", "sub\\Plate"},
        {"lib", "sub\\Plate", "sub\\Plate"},
        {absolute + "/", std::string(kFolder) + "sub/Plate.txt", "sub\\Plate"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.library + " " + c.design);
        const std::string arguments = " '" + c.design + "' --library '" + c.library + "'";
        const ProgramRun show = run("design show" + arguments + " --json");
        ASSERT_EQ(show.exitCode, 0) << show.err;
        const nlohmann::json design = nlohmann::json::parse(show.out);
        EXPECT_EQ(design.at("name"), c.name);
        EXPECT_EQ(design.at("controls").size(), 16u);
        EXPECT_EQ(design.at("picture").at("width"), 420);
        const ProgramRun names = run("design names" + arguments);
        EXPECT_EQ(names.out, "W\nH\nT\nGauge\nPitch\nEdgeDist\n") << names.err;
    }
    // A person reads names with "/"; JSON gives them as macros store them.
    const ProgramRun text = run("design list --library lib");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, "EndPlate\nMany\nNan\nText\nsub/Plate\n");
    const ProgramRun shown = run("design show sub/Plate --library ./lib");
    EXPECT_EQ(shown.out.substr(0, shown.out.find('\n')), "sub/Plate (420 x 300)") << shown.err;
    const ProgramRun json = run("design list --library lib/ --json");
    EXPECT_EQ(nlohmann::json::parse(json.out).at("designs"),
              nlohmann::json::parse(R"(["EndPlate", "Many", "Nan", "Text", "sub\\Plate"])"));

    // The designer opens the design itself (an empty one at the library's folder repeated
    // within itself would give one control).
    scratchFile("ops.txt", "add\nsave\n");
    for (const char* library : {"lib", "./lib/", "lib/../lib"}) {
        SCOPED_TRACE(library);
        const ProgramRun edited = run("design edit EndPlate --library '" + std::string(library) +
                                      "' --script ops.txt --save-as Edited --json");
        ASSERT_EQ(edited.exitCode, 0) << edited.err;
        const nlohmann::json design = nlohmann::json::parse(edited.out);
        EXPECT_EQ(design.at("name"), "Edited");
        EXPECT_EQ(design.at("controls").size(), 17u);
        EXPECT_EQ(readFile(scratch_.path() / kFolder / "EndPlate.txt"),
                  readFile(std::filesystem::path(TESSA_SOURCE_ROOT) /
                           "examples/library/Dialog Templates/Dialog Design/EndPlate.txt"));
    }
    EXPECT_TRUE(std::filesystem::exists(scratch_.path() / kFolder / "Edited.txt"));
    EXPECT_TRUE(std::filesystem::exists(scratch_.path() / kFolder / "Edited.bmp"));
}

// A design that cannot be read would open empty, and "save" would write the empty design over
// it: edit refuses before the designer runs, and every file stays as it was.
TEST_F(DesignCommandsTest, EditOfADesignThatCannotBeReadWritesNothing) {
    makeLibrary();
    scratchFile("ops.txt", "add\nsave\n");
    const std::filesystem::path here = std::filesystem::canonical(scratch_.path());
    struct Case {
        std::string design;
        std::filesystem::path file;
        std::string reason;
    };
    std::vector<Case> cases = {
        {"./Outside.txt", scratch_.path() / "Outside.txt", kOutsideReason},
    };
    for (const Damaged& damaged : kDamaged)
        cases.push_back({damaged.name,
                         scratch_.path() / kFolder / (damaged.name + std::string(".txt")),
                         damaged.reason});
    for (const Case& c : cases) {
        for (const std::string saveAs : {"", " --save-as Fresh"}) {
            SCOPED_TRACE(c.design + saveAs);
            const std::string before = readFile(c.file);
            const ProgramRun edited =
                run("design edit '" + c.design + "' --library lib --script ops.txt" + saveAs);
            EXPECT_EQ(edited.exitCode, 1);
            EXPECT_EQ(edited.out, "");
            const std::filesystem::path shown =
                here / std::filesystem::relative(c.file, scratch_.path());
            EXPECT_EQ(edited.err, "tessa: design \"" + c.design + "\" (" + shown.string() +
                                      ") cannot be read: " + c.reason + "; nothing was written\n");
            EXPECT_EQ(readFile(c.file), before);
            EXPECT_FALSE(std::filesystem::exists(scratch_.path() / kFolder / "Fresh.txt"));
        }
    }
}

} // namespace
