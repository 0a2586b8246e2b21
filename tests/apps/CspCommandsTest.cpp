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
