#include "tests/apps/ProgramRunner.h"

namespace {

class CspCommandsTest : public ProgramTest {
protected:
    std::string files(const std::string& parts, const std::string& stock) const {
        return "--parts " + quoted(scratchFile("parts.csv", parts)) + " --stock " +
               quoted(scratchFile("stock.csv", stock));
    }
};

TEST_F(CspCommandsTest, SolveJsonGivesThePlanInItsDocumentedShape) {
    const ProgramRun solve = run(
        "csp solve " +
        files("mark,length,quantity\nB1,2500,4\nC2,5000,1\n", "length,quantity\n12000,\n6000,2\n") +
        " --kerf 3 --trim 10 --json");
    ASSERT_EQ(solve.exitCode, 0) << solve.err;
    EXPECT_EQ(
        solve.out,
        "{\"bars\":[{\"stock\":12000,\"cuts\":[{\"mark\":\"C2\",\"length\":5000},"
        "{\"mark\":\"B1\",\"length\":2500},{\"mark\":\"B1\",\"length\":2500}],\"waste\":2000},"
        "{\"stock\":6000,\"cuts\":[{\"mark\":\"B1\",\"length\":2500},{\"mark\":\"B1\","
        "\"length\":2500}],\"waste\":1000}],\"buy\":[{\"length\":12000,\"count\":1},"
        "{\"length\":6000,\"count\":1}],\"waste\":3000,\"lowerBound\":2}\n");

    const ProgramRun text = run("csp solve --parts parts.csv --stock stock.csv --kerf 3 --trim 10");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("1 × 6000 mm: B1 2500 + B1 2500 (offcut 987 mm, waste 1000 mm)\n"),
              std::string::npos)
        << text.out;
}

TEST_F(CspCommandsTest, SolveFailuresAndWrongUsage) {
    const ProgramRun tooLong = run("csp solve " + files("B7,13000,1\n", "12000\n"));
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_EQ(tooLong.err, "tessa: part \"B7\" is 13000 mm long, longer than every stock "
                           "length: the longest is 12000 mm\n");

    const ProgramRun badRow = run("csp solve " + files("B1,2500,1\nB2,x,1\n", "12000\n"));
    EXPECT_EQ(badRow.exitCode, 1);
    EXPECT_NE(badRow.err.find("parts.csv:2: the length \"x\" is not a number\n"), std::string::npos)
        << badRow.err;

    EXPECT_EQ(run("csp solve --parts parts.csv").exitCode, 2);
    EXPECT_EQ(run("csp solve --parts parts.csv --stock stock.csv --kerf -1").exitCode, 2);
}

} // namespace

namespace {

constexpr const char* kRecord = R"({"format":"tessa-cutting-stock","version":1,"sets":[
  {"id":1,"name":"A","stock":[["12000",""],["","x"]]},
  {"id":4,"name":"B","buy":[["6000","a\u00bfb"]]}]})";

// Export writes the set's rows, import reads them into another set; the record read is never
// written over, and a cell the file cannot keep is refused.
TEST_F(CspCommandsTest, RecordVerbsRoundTripTablesAndWriteOnlyWithOut) {
    scratchFile("hal.csp.json", kRecord);
    const ProgramRun exported = run("csp export hal.csp.json --set a --out a.shp");
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(readFile(scratch_.path() / "a.shp"), "12000\xC2\xBF\n\xC2\xBFx\n");

    const ProgramRun imported =
        run("csp import hal.csp.json --set B --file a.shp --out new.csp.json --json");
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out,
              "{\"set\":\"B\",\"table\":\"stock\",\"rows\":[[\"12000\",\"\"],[\"\",\"x\"]]}\n");
    EXPECT_EQ(readFile(scratch_.path() / "hal.csp.json"), kRecord);
    EXPECT_EQ(run("csp import hal.csp.json --file a.shp --out hal.csp.json").exitCode, 1);

    const ProgramRun refused = run("csp export new.csp.json --set B --table buy --out b.buy");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("row 1, cell 2"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "b.buy"));
}

TEST_F(CspCommandsTest, DstvGroupsAreAddedOnceInAnyCaseAndListed) {
    const std::string library = " --library " + quoted(scratch_.path());
    ASSERT_EQ(run("dstv add Liggers" + library).exitCode, 0);
    const ProgramRun again = run("dstv add LIGGERS" + library);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("exists already"), std::string::npos) << again.err;
    const ProgramRun list = run("dstv list --json" + library);
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_NE(list.out.find("\"groups\":[{\"name\":\"Liggers\",\"inUse\":false,\"points\":0}]"),
              std::string::npos)
        << list.out;
    EXPECT_EQ(run("dstv delete liggers" + library).exitCode, 0);
    EXPECT_EQ(run("dstv show Liggers" + library).exitCode, 1);
}

} // namespace
