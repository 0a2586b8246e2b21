#include "platform/grid/sheet/Sheet.h"
#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>

namespace {

using SheetCommandsTest = ProgramTest;

// A sheet with a number, a text, a formula over both kinds, an error and a boolean.
const char* const kSheet = R"(tessa-sheet 1
size 3 2
refstyle 2
value 1 1 number 4
value 2 1 text "bolt \"M20\""
formula 3 1 "A1/2"
formula 1 2 "A1/0"
formula 2 2 "A1>3"
type 3 2 number 0x10400000 2 -100 100
value 3 2 number 1.5
end
)";

TEST_F(SheetCommandsTest, CalcPrintsEveryFilledCellWithFormulaAndShownValue) {
    const auto sheet = scratchFile("bolts.tfs", kSheet);
    const ProgramRun calc = run("calc " + quoted(sheet));
    ASSERT_EQ(calc.exitCode, 0) << calc.err;
    // Formulas read back in A1 form whatever style the sheet was saved in.
    EXPECT_EQ(calc.out, "A1\t\t4\n"
                        "B1\t\tbolt \"M20\"\n"
                        "C1\t=A1/2\t2\n"
                        "A2\t=A1/0\t#DIV/0!\n"
                        "B2\t=A1>3\tTRUE\n"
                        "C2\t\t1.50\n");
}

TEST_F(SheetCommandsTest, CalcJsonGivesTypedValues) {
    const auto sheet = scratchFile("bolts.tfs", kSheet);
    const ProgramRun calc = run("calc --json " + quoted(sheet));
    ASSERT_EQ(calc.exitCode, 0) << calc.err;
    const nlohmann::json cells = nlohmann::json::parse(calc.out).at("cells");
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0], nlohmann::json::parse(R"({"cell":"A1","value":4.0,"text":"4"})"));
    EXPECT_EQ(cells[1].at("value"), "bolt \"M20\"");
    EXPECT_EQ(cells[2],
              nlohmann::json::parse(R"({"cell":"C1","formula":"=A1/2","value":2.0,"text":"2"})"));
    EXPECT_EQ(cells[3].at("value"), nlohmann::json::parse(R"({"error":"#DIV/0!"})"));
    EXPECT_EQ(cells[4].at("value"), true);
    EXPECT_EQ(cells[5].at("value"), 1.5);
    EXPECT_EQ(cells[5].at("text"), "1.50");
}

TEST_F(SheetCommandsTest, CalcReadsCsvWithItsSeparator) {
    const auto sheet = scratchFile("rows.CSV", "Pos;Qty\n1;=A2*3\n");
    const ProgramRun calc = run("calc " + quoted(sheet));
    ASSERT_EQ(calc.exitCode, 0) << calc.err;
    EXPECT_EQ(calc.out, "A1\t\tPos\nB1\t\tQty\nA2\t\t1\nB2\t=A2*3\t3\n");
}

TEST_F(SheetCommandsTest, CalcRefusesWhatItCannotRead) {
    struct Case {
        const char* name;
        const char* content;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"cut.tfs", "tessa-sheet 1\nsize 1 1\n", 1, "cut.tfs:2: "},
        {"open.csv", "a,\"b\n", 1, "open.csv:1: "},
        {"notes.txt", "1,2\n", 1, "notes.txt: not a sheet file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun calc = run("calc " + quoted(scratchFile(c.name, c.content)));
        EXPECT_EQ(calc.exitCode, c.exitCode);
        EXPECT_NE(calc.err.find(c.message), std::string::npos) << calc.err;
        EXPECT_TRUE(calc.out.empty());
    }
    const ProgramRun missing = run("calc missing.tfs");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("missing.tfs: no such file"), std::string::npos);
}

TEST_F(SheetCommandsTest, ConvertRoundTripsThroughCsv) {
    const auto csv = scratchFile("in.csv", "Pos,Profile\n1,\"HEA \"\"200\"\"\"\n2,=A2+A3\n");
    ASSERT_EQ(run("convert in.csv mid.tfs").exitCode, 0);
    ASSERT_EQ(run("convert mid.tfs out.csv").exitCode, 0);
    const ProgramRun back = run("calc out.csv");
    EXPECT_EQ(back.out, "A1\t\tPos\nB1\t\tProfile\nA2\t\t1\nB2\t\tHEA \"200\"\nA3\t\t2\n"
                        "B3\t=A2+A3\t3\n");
}

TEST_F(SheetCommandsTest, ConvertWritesNothingOnBadInput) {
    scratchFile("bad.csv", "a,\"b\n");
    EXPECT_EQ(run("convert bad.csv out.tfs").exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "out.tfs"));
    scratchFile("good.csv", "1\n");
    const ProgramRun wrongKind = run("convert good.csv out.xls");
    EXPECT_EQ(wrongKind.exitCode, 2);
    EXPECT_NE(wrongKind.err.find("must end in .tfs or .csv"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "out.xls"));
}

TEST_F(SheetCommandsTest, GarbageAndEndlessInputAreRefusedWithTheReason) {
    // A binary file and UTF-16 text without byte-order mark both hold NUL bytes.
    scratchFile("binary.csv", std::string("\x7f"
                                          "ELF\x02\x01\x01\0\0\0\x03\n",
                                          11));
    scratchFile("utf16.csv", std::string("a\0,\0b\0\n\0", 8));
    for (const char* name : {"binary.csv", "utf16.csv"}) {
        const ProgramRun calc = run(std::string("calc ") + name);
        EXPECT_EQ(calc.exitCode, 1) << name;
        EXPECT_NE(calc.err.find("not CSV text"), std::string::npos) << calc.err;
        EXPECT_TRUE(calc.out.empty()) << name;
    }
    // A device is no sheet file, whatever its name; nor is a sheet beyond the size bound.
    std::filesystem::create_symlink("/dev/zero", scratch_.path() / "zero.csv");
    const ProgramRun device = run("calc zero.csv");
    EXPECT_EQ(device.exitCode, 1);
    EXPECT_NE(device.err.find("not a regular file"), std::string::npos) << device.err;
    {
        std::ofstream big(scratch_.path() / "big.csv", std::ios::binary);
        big.seekp(static_cast<std::streamoff>(grid::Sheet::kMaxFileBytes));
        big.put('\n');
    }
    const ProgramRun big = run("calc big.csv");
    EXPECT_EQ(big.exitCode, 1);
    EXPECT_NE(big.err.find("file too large"), std::string::npos) << big.err;
}

TEST_F(SheetCommandsTest, ConvertRefusesToWriteOverItsInput) {
    const std::string sheet = "tessa-sheet 1\nsize 1 1\nvalue 1 1 number 4\nend\n";
    scratchFile("in.tfs", sheet);
    for (const char* out : {"in.tfs", "./in.tfs"}) {
        const ProgramRun convert = run(std::string("convert in.tfs ") + out);
        EXPECT_EQ(convert.exitCode, 1) << out;
        EXPECT_NE(convert.err.find("which this command reads"), std::string::npos) << convert.err;
    }
    EXPECT_EQ(readFile(scratch_.path() / "in.tfs"), sheet);
}

} // namespace
