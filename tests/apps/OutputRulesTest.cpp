// The rules every command follows when it writes: a device, FIFO or folder is never replaced, a
// link is written through, no file the run read is replaced, a full disk and a lost standard
// output are failures, and nothing half-written is left.
#include "tests/apps/ProgramRunner.h"
#include "tests/io/SmallFileSystem.h"

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(TESSA_SOURCE_ROOT) / "examples/library";

class OutputRulesTest : public ProgramTest {
protected:
    void SetUp() override {
        // A copy: the tests name the library's own files as outputs, and a fault must not
        // damage the sources.
        fs::copy(kExamples, library(), fs::copy_options::recursive);
    }

    fs::path library() const { return scratch_.path() / "lib"; }
    fs::path macro() const { return library() / "macros" / "EndPlate.json"; }

    // tessa eval of the end-plate standard on the copy, with the rest of the arguments.
    ProgramRun eval(const std::string& sheet, const std::string& rest) const {
        return run("eval " + sheet + " --macro " + quoted(macro()) + " --library " +
                   quoted(library()) + " " + rest);
    }

    // Every regular file of the copy with its content, to see that nothing changed.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(library())) {
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), library()).string()] = readFile(entry.path());
        }
        return files;
    }
};

TEST_F(OutputRulesTest, NoTargetThatIsNoRegularFileIsReplaced) {
    // Named like sheets, so that the commands that want .tfs get that far.
    const fs::path fifo = scratch_.path() / "pipe.tfs";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(scratch_.path() / "folder.tfs");
    fs::create_symlink("/dev/null", scratch_.path() / "null.tfs");
    scratchFile("rows.csv", "A,B\n1,2\n");
    scratchFile("bill.csv", "P1,2,HEA-200,1000,42.1\n");

    struct Target {
        std::string path;
        std::string says;
    } const targets[] = {
        {"/dev/null", "\"/dev/null\" is a device, not a file"},
        {"null.tfs", "is a device, not a file"},
        {"pipe.tfs", "is a FIFO (named pipe), not a file"},
        {"folder.tfs", "is a folder, not a file"},
    };
    // Each command with an output the user names; {} stands for the target.
    struct Command {
        std::string line;
        bool anyName; // false: the command wants a .tfs name, so /dev/null is wrong usage
    } const commands[] = {
        {"eval EndPlate --macro " + quoted(macro()) + " --library " + quoted(library()) +
             " --out {}",
         true},
        {"convert " + quoted(kExamples / "Connection Standards/EndPlate.tfs") + " {}", false},
        {"macro set " + quoted(library() / "macros/BeamSplice.json") + " --set Pitch=140 --out {}",
         true},
        {"grid-dialog rows.csv --edit 'set 1,1=3' --out {}", true},
        {"bill bill.csv --columns Pos,Qty,Profile,Length,Weight --types 3,1,3,1,2 --out {}", false},
        {"show CDlgFindReplace --screenshot {}", true},
    };
    for (const Command& command : commands) {
        for (const Target& target : targets) {
            if (!command.anyName && target.path == "/dev/null")
                continue;
            std::string line = command.line;
            line.replace(line.find("{}"), 2, target.path);
            SCOPED_TRACE(line);
            const ProgramRun result = run(line);
            EXPECT_EQ(result.exitCode, 1) << result.err;
            EXPECT_NE(result.err.find(target.says), std::string::npos) << result.err;
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_symlink(scratch_.path() / "null.tfs"));
    EXPECT_TRUE(fs::is_directory(scratch_.path() / "folder.tfs"));
    EXPECT_TRUE(fs::is_empty(scratch_.path() / "folder.tfs"));
}

TEST_F(OutputRulesTest, ALinkIsWrittenThroughAndStaysALink) {
    fs::create_directory(scratch_.path() / "out");
    fs::create_symlink("out/updated.json", scratch_.path() / "updated.json");
    const ProgramRun result = eval("EndPlate", "--out updated.json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::is_symlink(scratch_.path() / "updated.json"));
    EXPECT_NE(readFile(scratch_.path() / "out/updated.json").find("\"modules\""),
              std::string::npos);
}

TEST_F(OutputRulesTest, NoFileTheEvaluationReadsCanBeItsOutput) {
    const std::map<std::string, std::string> before = snapshot();
    // Every input of the two evaluations, as a path below the library copy.
    struct Input {
        std::string sheet;
        std::string file;
    } const inputs[] = {
        {"EndPlate", "macros/EndPlate.json"},
        {"EndPlate", "Connection Standards/EndPlate.tfs"},
        {"EndPlate", "Connection Standards/EndPlate.map"},
        {"EndPlate", "Connection Standards/Data/plates.txt"},
        {"EndPlate", "prof/HEA.pr"},
        {"Stiffener", "Connection Standards/Childs/Weld.tfs"},
        {"Stiffener", "Connection Standards/Stiffener.map"},
    };
    int spelling = 0;
    for (const Input& input : inputs) {
        const fs::path file = library() / input.file;
        ASSERT_TRUE(fs::exists(file)) << file;
        fs::create_symlink(file, scratch_.path() / ("link" + std::to_string(spelling)));
        fs::create_hard_link(file, scratch_.path() / ("hard" + std::to_string(spelling)));
        const std::string names[] = {
            quoted(file),
            quoted(file.parent_path() / "." / file.filename()),
            "link" + std::to_string(spelling),
            "hard" + std::to_string(spelling),
        };
        ++spelling;
        for (const std::string& name : names) {
            SCOPED_TRACE(input.sheet + " --out " + name);
            const ProgramRun result = eval(input.sheet, "--out " + name);
            EXPECT_EQ(result.exitCode, 1) << result.err;
            EXPECT_NE(result.err.find("--out names \""), std::string::npos) << result.err;
            EXPECT_NE(result.err.find(input.file.substr(input.file.rfind('/') + 1) +
                                      "\", which this evaluation reads"),
                      std::string::npos)
                << result.err;
        }
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(OutputRulesTest, AnOutputMayNotBeTheInputOfOtherCommandsEither) {
    const fs::path macroFile = library() / "macros/BeamSplice.json";
    const std::string macroText = readFile(macroFile);
    const std::string sheet = readFile(library() / "Connection Standards/EndPlate.tfs");
    scratchFile("rows.csv", "A,B\n1,2\n");
    const std::string runs[] = {
        "macro set " + quoted(macroFile) + " --set Pitch=140 --out " + quoted(macroFile),
        "convert " + quoted(library() / "Connection Standards/EndPlate.tfs") + " " +
            quoted(library() / "Connection Standards/./EndPlate.tfs"),
        "grid-dialog rows.csv --edit 'set 1,1=3' --out rows.csv",
        "cut remove " + quoted(macroFile) + " Stiffeners CleatNotch --out " + quoted(macroFile),
    };
    for (const std::string& line : runs) {
        SCOPED_TRACE(line);
        const ProgramRun result = run(line);
        EXPECT_EQ(result.exitCode, 1) << result.err;
        EXPECT_NE(result.err.find("which this command reads"), std::string::npos) << result.err;
    }
    EXPECT_EQ(readFile(macroFile), macroText);
    EXPECT_EQ(readFile(library() / "Connection Standards/EndPlate.tfs"), sheet);
    EXPECT_EQ(readFile(scratch_.path() / "rows.csv"), "A,B\n1,2\n");
}

TEST_F(OutputRulesTest, AnEmptyOutputNameAndNoJobsAreWrongUsage) {
    for (const std::string& line :
         {std::string("eval EndPlate --macro ") + quoted(macro()) + " --out ''",
          std::string("convert a.tfs ''"), std::string("macro set x.json --set A=1 --out ''"),
          std::string("batch EndPlate --macros m.jsonl --jobs 0")}) {
        SCOPED_TRACE(line);
        const ProgramRun result = run(line);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_FALSE(result.err.empty());
    }
}

TEST_F(OutputRulesTest, AFullDiskFailsEveryWriterAndKeepsTheOldFile) {
    const SmallFileSystem disk(64);
    if (!disk.available())
        GTEST_SKIP() << "mounting a small file system needs root";
    const std::string old = "the old content\n";
    scratchFile("bill.csv", "P1,2,HEA-200,1000,42.1\n");
    const std::string sheet = quoted(kExamples / "Connection Standards/EndPlate.tfs");
    struct Writer {
        std::string name;
        std::string command; // {} is the output
    } const writers[] = {
        {"updated.json", "eval EndPlate --macro " + quoted(macro()) + " --library " +
                             quoted(library()) + " --out {}"},
        {"sheet.tfs", "convert " + sheet + " {}"},
        {"sheet.csv", "convert " + sheet + " {}"},
        {"set.json",
         "macro set " + quoted(library() / "macros/BeamSplice.json") + " --set Pitch=140 --out {}"},
        {"bill.tfs",
         "bill bill.csv --columns Pos,Qty,Profile,Length,Weight --types 3,1,3,1,2 --out {}"},
        {"picture.png", "show CDlgFindReplace --screenshot {}"},
    };
    for (const Writer& writer : writers) {
        const fs::path target = disk.path() / writer.name;
        std::ofstream(target, std::ios::binary) << old;
    }
    disk.fill();
    const std::size_t entries = disk.entries();
    for (const Writer& writer : writers) {
        const fs::path target = disk.path() / writer.name;
        std::string line = writer.command;
        line.replace(line.find("{}"), 2, quoted(target));
        SCOPED_TRACE(line);
        const ProgramRun result = run(line);
        EXPECT_EQ(result.exitCode, 1) << result.err;
        EXPECT_NE(result.err.find("No space left on device"), std::string::npos) << result.err;
        EXPECT_EQ(readFile(target), old);
    }
    EXPECT_EQ(disk.entries(), entries);
}

TEST_F(OutputRulesTest, LostStandardOutputIsAFailure) {
    struct Case {
        std::string command;
    } const cases[] = {
        {"eval EndPlate --macro " + quoted(macro()) + " --library " + quoted(library())},
        {"calc " + quoted(kExamples / "Connection Standards/EndPlate.tfs")},
        {"show --list --json"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const ProgramRun full = run(c.command + " >/dev/full");
        EXPECT_EQ(full.exitCode, 1);
        EXPECT_NE(full.err.find("tessa: standard output: No space left on device"),
                  std::string::npos)
            << full.err;
    }
}

} // namespace

namespace {

// The CSV inputs of grid-dialog, bill and csp: bytes that are no text are refused with their
// line, and a table without a usable row is an error, not an empty result.
TEST_F(OutputRulesTest, CsvInputsRefuseBytesThatAreNoTextAndEmptyTables) {
    using namespace std::string_literals;
    const std::string billArguments =
        " --columns Pos,Qty,Profile,Length,Weight --types 3,1,3,1,2 --out bill.tfs";
    struct Case {
        std::string name;
        std::string content;
        std::string command; // {} is the file
        std::string says;
    } const cases[] = {
        {"nul.csv", "A,B\n1,2\n3,\0\n"s, "grid-dialog {}", "nul.csv: line 3: a NUL byte"},
        {"latin.csv", "A,B\nM\xE9tal,2\n", "grid-dialog {}",
         "latin.csv: line 2: bytes that are not UTF-8"},
        {"empty.csv", "", "grid-dialog {}", "has no column headers"},
        {"nul.csv", "P1,2,HEA\0,1,1\n"s, "bill {}" + billArguments, "nul.csv: line 1: a NUL byte"},
        {"blank.csv", "\n , \n", "bill {}" + billArguments, "blank.csv: no rows"},
        {"parts.csv", "mark,length,quantity\n", "csp solve --parts {} --stock stock.csv",
         "parts.csv: no parts"},
        {"parts.csv", "B1,2500,1\nB\0,100,1\n"s, "csp solve --parts {} --stock stock.csv",
         "parts.csv:2: a NUL byte"},
        {"stock.csv", "length,quantity\n\n", "csp solve --parts p.csv --stock {}",
         "stock.csv: no stock"},
        {"stock.csv", "12000,\xFF\n", "csp solve --parts p.csv --stock {}",
         "stock.csv:1: bytes that are not UTF-8"},
    };
    for (const Case& c : cases) {
        scratchFile("stock.csv", "12000,\n");
        scratchFile("p.csv", "B1,2500,1\n");
        scratchFile(c.name, c.content);
        std::string line = c.command;
        line.replace(line.find("{}"), 2, c.name);
        SCOPED_TRACE(line);
        const ProgramRun result = run(line);
        EXPECT_EQ(result.exitCode, 1) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(scratch_.path() / "bill.tfs"));
    }
}

TEST_F(OutputRulesTest, CspImportRefusesWhatIsNoCuttingStockTable) {
    const fs::path record = library() / "Cutting Stock/Hal.csp.json";
    const std::string before = readFile(record);
    using namespace std::string_literals;
    struct Case {
        std::string content;
        std::string says;
    } const cases[] = {
        {"{\"format\": \"tessa-cutting-stock\"}\n",
         "row 1: \"{\"format\": \"tessa-cutting-stock\"}\" is not a length in mm"},
        {"12000\xBF"
         "6\n6000\xBFmany\n",
         "row 2: \"many\" is not a quantity"},
        {"", "no rows"},
        {"12000\xBF"
         "6\n\0\n"s,
         "a NUL byte"},
    };
    for (const Case& c : cases) {
        scratchFile("in.shp", c.content);
        SCOPED_TRACE(c.content);
        const ProgramRun result =
            run("csp import " + quoted(record) + " --table stock --file in.shp --out new.json");
        EXPECT_EQ(result.exitCode, 1) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(scratch_.path() / "new.json"));
    }
    EXPECT_EQ(readFile(record), before);
}

} // namespace

namespace {

TEST_F(OutputRulesTest, FileNamesThatAreNoUtf8AreOpenedAndWrittenAsGiven) {
    const std::string in = "in\xFF.tfs";
    const std::string out = "out\xE9.csv";
    fs::copy_file(kExamples / "Connection Standards/EndPlate.tfs", scratch_.path() / in);
    const ProgramRun converted = run("convert '" + in + "' '" + out + "'");
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    EXPECT_TRUE(fs::is_regular_file(scratch_.path() / out));
    const ProgramRun calc = run("calc '" + out + "'");
    EXPECT_EQ(calc.exitCode, 0) << calc.err;
    EXPECT_FALSE(calc.out.empty());
}

} // namespace
