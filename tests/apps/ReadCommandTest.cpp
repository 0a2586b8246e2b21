#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

using ReadCommandTest = ProgramTest;

// Three columns with header texts and two rows, one of them a computed number cell.
const char* const kSheet = R"(tessa-sheet 1
size 3 2
value 1 0 text "Pos"
value 2 0 text "Profile"
value 3 0 text "Length"
value 1 1 text "1"
value 2 1 text "HEA-200"
type 3 1 number 0x10400000 2 0 100000
value 3 1 number 2500
value 1 2 text "2"
value 2 2 text "IPE 80"
formula 3 2 "C1/2"
end
)";

TEST_F(ReadCommandTest, PrintsHeadersThenEveryRowAsShown) {
    scratchFile("bill.tfs", kSheet);
    const ProgramRun read = run("read bill.tfs");
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.out, "Pos\tProfile\tLength\n1\tHEA-200\t2500.00\n2\tIPE 80\t1250\n");
    EXPECT_NE(read.err.find("Loading spreadsheet:bill.tfs"), std::string::npos)
        << "the module's diagnostics stay off the output";
}

TEST_F(ReadCommandTest, JsonHoldsFirstCellHeadersAndRows) {
    scratchFile("bill.tfs", kSheet);
    const ProgramRun read = run("read --json bill.tfs");
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(nlohmann::json::parse(read.out), nlohmann::json::parse(R"({
        "firstCell": "1",
        "headers": ["Pos", "Profile", "Length"],
        "rows": [["1", "HEA-200", "2500.00"], ["2", "IPE 80", "1250"]]})"));
}

TEST_F(ReadCommandTest, AFileThatDoesNotLoadFails) {
    scratchFile("cut.tfs", "tessa-sheet 1\nsize 1 1\n");
    for (const char* name : {"cut.tfs", "missing.tfs"}) {
        const ProgramRun read = run(std::string("read ") + name);
        EXPECT_EQ(read.exitCode, 1) << name;
        EXPECT_NE(read.err.find(std::string(name) + ": could not be read as a sheet"),
                  std::string::npos)
            << read.err;
        EXPECT_TRUE(read.out.empty());
    }
}

} // namespace
