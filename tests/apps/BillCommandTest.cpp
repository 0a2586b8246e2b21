#include "tests/apps/ProgramRunner.h"

#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace {

class BillCommandTest : public ProgramTest {
protected:
    void SetUp() override {
        // Print settings are looked for in the product folder: keep it in the scratch folder.
        const char* old = std::getenv("TESSA_DIR");
        savedDir = old ? std::optional<std::string>(old) : std::nullopt;
        setenv("TESSA_DIR", (scratch_.path() / "product").c_str(), 1);
    }
    void TearDown() override {
        if (savedDir)
            setenv("TESSA_DIR", savedDir->c_str(), 1);
        else
            unsetenv("TESSA_DIR");
    }

    static constexpr const char* kColumns = R"( --columns "Pos,Qty,Profile,Length,Weight")"
                                            R"( --types "3,1,3,1,2")";
    std::optional<std::string> savedDir;
};

TEST_F(BillCommandTest, WritesASheetThatCalcAndPrintSettingsReadBack) {
    const auto rows = scratchFile("rows.csv", "P1,2,HEA-200,3000,126.9\n"
                                              "P2,1,\"PL 15x220\",500,13.0\n"
                                              "Total,3,,,139.9\n");
    const ProgramRun bill = run("bill " + quoted(rows) + kColumns +
                                " --subtotal-marker Total --var Project=Hall3 --out hall.tfs");
    ASSERT_EQ(bill.exitCode, 0) << bill.err;

    const ProgramRun calc = run("calc --json hall.tfs");
    ASSERT_EQ(calc.exitCode, 0) << calc.err;
    const nlohmann::json cells = nlohmann::json::parse(calc.out).at("cells");
    std::map<std::string, std::string> shown;
    for (const auto& cell : cells)
        shown[cell.at("cell").get<std::string>()] = cell.at("text").get<std::string>();
    EXPECT_EQ(shown["A1"], "P1");
    EXPECT_EQ(shown["C2"], "PL 15x220");
    EXPECT_EQ(shown["E1"], "126.9");
    EXPECT_EQ(shown["E2"], "13.0");
    EXPECT_EQ(shown["A3"], "Total");
    EXPECT_EQ(shown.count("A4"), 0u);

    const ProgramRun settings = run("print-settings show --json hall.tfs");
    ASSERT_EQ(settings.exitCode, 0) << settings.err;
    const nlohmann::json printed = nlohmann::json::parse(settings.out);
    EXPECT_EQ(printed.at("varNames"), nlohmann::json({"Date", "Title", "BillFilename", "Project"}));
    EXPECT_EQ(printed.at("varValues").at(1), "hall");
    EXPECT_EQ(printed.at("varValues").at(2), "hall.tfs");
    EXPECT_EQ(printed.at("varValues").at(3), "Hall3");
}

TEST_F(BillCommandTest, BadInputWritesNoFile) {
    struct Case {
        std::string csv;
        std::string options;
        int exitCode;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"P1,\"unclosed\n", kColumns, 1, "a quoted field is not closed"},
        {"P1,2\n", R"( --columns "Pos,Qty" --types "3,x")", 2, "--types"},
        {"P1,2\n", R"( --columns "Pos,Qty" --types "3,1" --var =5)", 2, "NAME=VALUE"},
        {"P1,2\n", R"( --columns "Pos,Qty" --types "3")", 2, "1 kinds for 2 columns"},
        {"P1,2\nP2,3,extra\n", R"( --columns "Pos,Qty" --types "3,1")", 1,
         "row 2 has 3 fields for 2 columns"},
        {"P1,2\n", R"( --columns "Pos,Qty" --types "3,1" --settings nosuch)", 1,
         "--settings nosuch: no readable print settings"},
        {"P1,2\n", R"( --columns "Pos,Qty" --types "3,1" --settings ../../etc/passwd)", 1,
         "no readable print settings"},
    };
    for (const Case& c : cases) {
        const auto rows = scratchFile("rows.csv", c.csv);
        const ProgramRun bill = run("bill " + quoted(rows) + c.options + " --out out.tfs");
        EXPECT_EQ(bill.exitCode, c.exitCode) << c.options;
        EXPECT_NE(bill.err.find(c.message), std::string::npos) << bill.err;
        EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "out.tfs")) << c.options;
    }
    const auto rows = scratchFile("rows.csv", "P1\n");
    const ProgramRun csv = run("bill " + quoted(rows) + kColumns + " --out out.csv");
    EXPECT_EQ(csv.exitCode, 2);
    EXPECT_NE(csv.err.find("a bill is saved as a .tfs sheet"), std::string::npos) << csv.err;
    const ProgramRun missing = run("bill nowhere.csv" + std::string(kColumns) + " --out out.tfs");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("nowhere.csv: there is no such file"), std::string::npos);
}

TEST_F(BillCommandTest, SubtotalMarkersShowInNumberColumnsAndOddVariablesAreLeftOut) {
    // The marker's column holds integers: the marker still shows on its row.
    const auto rows = scratchFile("rows.csv", "1,HEA-200,3000\n2,IPE-200,500\nSum,,3500\n");
    const ProgramRun bill =
        run("bill " + quoted(rows) + R"( --columns "Qty,Profile,Length" --types "1,3,1")" +
            " --subtotal-marker Sum --var Price=10\u00a4 --var Project=Hall3 --out hall.tfs");
    ASSERT_EQ(bill.exitCode, 0) << bill.err;
    EXPECT_NE(bill.err.find("--var Price: holds the character"), std::string::npos) << bill.err;
    const nlohmann::json cells = nlohmann::json::parse(run("calc --json hall.tfs").out);
    std::map<std::string, std::string> shown;
    for (const auto& cell : cells.at("cells"))
        shown[cell.at("cell").get<std::string>()] = cell.at("text").get<std::string>();
    EXPECT_EQ(shown["A3"], "Sum");
    EXPECT_EQ(shown["C3"], "3500");
    const nlohmann::json printed =
        nlohmann::json::parse(run("print-settings show --json hall.tfs").out);
    EXPECT_EQ(printed.at("varNames"), nlohmann::json({"Date", "Title", "BillFilename", "Project"}));
}

} // namespace
