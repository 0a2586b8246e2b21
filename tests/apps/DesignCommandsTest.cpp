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

} // namespace
