#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

using DesignCommandsTest = ProgramTest;

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

} // namespace
