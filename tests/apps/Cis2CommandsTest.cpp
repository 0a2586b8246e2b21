#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

using Cis2CommandsTest = ProgramTest;

// A name is changed without regard to case and read back; a damaged file is named with its
// line and left as it was.
TEST_F(Cis2CommandsTest, ChangesPairsAndLeavesADamagedFileAlone) {
    scratch_.write("lib/CIS2ProfNames.dat", "HEA-200\tHE200A\n");
    ASSERT_EQ(run("cis2 set hea-200 \"HE 200 A\" --library lib").exitCode, 0);
    ASSERT_EQ(run("cis2 set IPE-300 IPE300 --library lib").exitCode, 0);
    const ProgramRun names = run("cis2 names --library lib --json");
    ASSERT_EQ(names.exitCode, 0) << names.err;
    EXPECT_EQ(nlohmann::json::parse(names.out),
              nlohmann::json::parse(R"({"names":[{"name":"hea-200","translation":"HE 200 A"},
                                                 {"name":"IPE-300","translation":"IPE300"}]})"));
    EXPECT_EQ(run("cis2 delete HEB-100 --library lib").exitCode, 1);

    const std::string damaged = "HEA-200\tx\nhea-200\ty\n";
    scratch_.write("lib/CIS2ProfNames.dat", damaged);
    const ProgramRun refused = run("cis2 set IPE-300 IPE300 --library lib");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("line 2"), std::string::npos) << refused.err;
    EXPECT_EQ(readFile(scratch_.path() / "lib/CIS2ProfNames.dat"), damaged);
}

} // namespace
