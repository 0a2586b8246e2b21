#include "tests/apps/ProgramRunner.h"

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>

namespace {

const std::filesystem::path kExampleProf =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples/library/prof";

// Sets an environment variable for the scope; the program started meanwhile inherits it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedEnvironment() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Works on a copy of the example library's section tables in the scratch folder.
class TableCommandsTest : public ProgramTest {
protected:
    void SetUp() override {
        std::filesystem::create_directories(scratch_.path() / "lib");
        std::filesystem::copy(kExampleProf, scratch_.path() / "lib/prof");
    }
    std::string library() const { return " --library " + quoted(scratch_.path() / "lib"); }
    std::string tableFile(const std::string& name) const {
        return readFile(scratch_.path() / "lib/prof" / name);
    }
    nlohmann::json shown(const std::string& name) const {
        const ProgramRun show = run("table show " + name + " --json" + library());
        EXPECT_EQ(show.exitCode, 0) << show.err;
        return nlohmann::json::parse(show.out);
    }

    ScopedEnvironment dutch{"TESSA_LANGUAGE", "nl"};
};

TEST_F(TableCommandsTest, ShowPrintsTemplateColumnsAndEverySize) {
    const ProgramRun show = run("table show HEA" + library());
    ASSERT_EQ(show.exitCode, 0) << show.err;
    EXPECT_EQ(show.out.rfind("Table: HEA\nTemplate: 1\nLanguages: 4\nSizes: 17\n\n"
                             "SysName  I/O  Dutch   English  French  German  h    b    tw    "
                             "tf    r   A       G\n"
                             "100      1    HEA100  HE100A   HEA100  HEA100  96   100  5     "
                             "8     12  21.24   16.7\n",
                             0),
              0u)
        << show.out;
    EXPECT_NE(show.out.find("\n200      1    HEA200  HE200A   HEA200  HEA200  190  200  6.5   "
                            "10    18  53.83   42.3\n"),
              std::string::npos)
        << show.out;
}

TEST_F(TableCommandsTest, ShowJsonGivesTheWholeTable) {
    const nlohmann::json table = shown("IPE.pr");
    EXPECT_EQ(table.at("table"), "IPE");
    EXPECT_EQ(table.at("template"), "1");
    EXPECT_EQ(table.at("languages"), 4);
    EXPECT_EQ(table.at("columns").at(0), "SysName");
    EXPECT_EQ(table.at("columns").size(), 13u);
    ASSERT_FALSE(table.at("rows").empty());
    EXPECT_EQ(table.at("rows").at(0).at(0), "80");
    for (const auto& row : table.at("rows"))
        EXPECT_EQ(row.size(), 13u) << row;
}

TEST_F(TableCommandsTest, ShowReportsTablesThatCannotBeUsed) {
    std::ofstream(scratch_.path() / "lib/prof/Bad.pr")
        << "tessa-section-table 1\n1\nSysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\n"
           "100\t1\ta\tb\tc\td\n";
    struct Case {
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        {"Missing", "table \"Missing\" ("},
        {"Missing", "prof/Missing.pr): cannot be read"},
        {"../HEA", "a table name holds no folder"},
    };
    for (const Case& c : cases) {
        const ProgramRun show = run(std::string("table show ") + quoted(c.name) + library());
        EXPECT_EQ(show.exitCode, 1) << c.name;
        EXPECT_TRUE(show.out.empty()) << show.out;
        EXPECT_NE(show.err.find(c.message), std::string::npos) << show.err;
    }
}

TEST_F(TableCommandsTest, ShowListsATableWithDamagedRowsAndTellsThem) {
    std::ofstream(scratch_.path() / "lib/prof/Bad.pr")
        << "tessa-section-table 1\n1\nSysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\n"
           "100\t1\ta\tb\tc\td\n120\t1\ta\tb\tc\td\t114\n";
    const ProgramRun show = run("table show Bad" + library());
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_NE(show.out.find("114"), std::string::npos) << show.out;
    EXPECT_NE(show.err.find("damaged rows: line 4 (size 1): 6 texts where the column names give 7"),
              std::string::npos)
        << show.err;
}

TEST_F(TableCommandsTest, AddInsertsACopyAfterItsSizeAndRewritesTheFile) {
    const std::string before = tableFile("HEA.pr");
    const ProgramRun add = run("table add HEA --from 200 --name 210" + library());
    ASSERT_EQ(add.exitCode, 0) << add.err;
    EXPECT_EQ(add.out, "HEA-210 added after HEA-200, user name HEA210\n");

    // The file is the old one with one line more, right after the copied size.
    const std::string copied =
        "200\t1\tHEA200\tHE200A\tHEA200\tHEA200\t190\t200\t6.5\t10\t18\t53.83\t42.3\n";
    const std::size_t at = before.find(copied);
    ASSERT_NE(at, std::string::npos);
    std::string expected = before;
    expected.insert(at + copied.size(),
                    "210\t1\tHEA210\tHEA210\tHEA210\tHEA210\t190\t200\t6.5\t10\t18\t53.83\t42.3\n");
    EXPECT_EQ(tableFile("HEA.pr"), expected);

    const nlohmann::json table = shown("HEA");
    EXPECT_EQ(table.at("rows").size(), 18u);
    EXPECT_EQ(table.at("rows").at(6).at(0), "210");
}

TEST_F(TableCommandsTest, RefusedAddsNeverWriteTheFile) {
    std::ofstream(scratch_.path() / "lib/prof/NoNl.pr")
        << "tessa-section-table 1\n1\nSysName\tI/O\tNederlands\tEnglish\tFrench\tGerman\th\n"
           "100\t1\ta\tb\tc\td\t1\n120\t1\ta\tb\tc\td\t2\n";
    struct Case {
        const char* table;
        const char* from;
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        {"HEA", "999", "210", "no size has the system name \"999\""},
        {"HEA", "200", "220", "a size named \"220\" exists already"},
        {"HEA", "200", "he200", "fine"}, // only the exact system name is taken
        {"HEA", "500", "510", "\"500\" is the last size of the table"},
        {"NoNl", "100", "110", "no \"Dutch\" column for the work language"},
        {"Missing", "100", "110", "cannot be read"},
    };
    for (const Case& c : cases) {
        const std::string file = std::string(c.table) + ".pr";
        const bool fine = std::string(c.message) == "fine";
        const std::string before = tableFile(file);
        const ProgramRun add = run(std::string("table add ") + c.table + " --from " + c.from +
                                   " --name " + c.name + library());
        if (fine) {
            EXPECT_EQ(add.exitCode, 0) << add.err;
            continue;
        }
        EXPECT_EQ(add.exitCode, 1) << c.table << " " << c.from;
        EXPECT_NE(add.err.find(c.message), std::string::npos) << add.err;
        EXPECT_EQ(tableFile(file), before) << c.table << " " << c.from;
    }
    EXPECT_FALSE(std::filesystem::exists(scratch_.path() / "lib/prof/Missing.pr"));
}

TEST_F(TableCommandsTest, WrongUsageExitsWithTwo) {
    const std::string before = tableFile("HEA.pr");
    for (const std::string arguments :
         {"table", "table show", "table add HEA --from 200", "table add HEA --name 210",
          "table add HEA --from 200 --name ''", "table drop HEA"}) {
        const ProgramRun wrong = run(arguments + library());
        EXPECT_EQ(wrong.exitCode, 2) << arguments << ": " << wrong.err;
    }
    EXPECT_EQ(tableFile("HEA.pr"), before);
}

// The simple editor's rules from the command line: refusals write nothing, --out leaves the
// table file alone, and the library lists what the editor offers.
TEST_F(TableCommandsTest, AddSizeChecksFirstAndWritesOnlyWhereItIsTold) {
    const std::string before = tableFile("RHS.pr");
    struct Refused {
        const char* arguments;
        const char* message;
    };
    for (const Refused& c : {Refused{"--from 100x50x4 --values 100,60,4,3", "corner radius"},
                             Refused{"--from 100x50x4 --values 100,50,5", "exists already"},
                             Refused{"--from 100x50x4 --values 100,5O,4", "must be a number"},
                             Refused{"--from 90x40x4", "no size has"}}) {
        const ProgramRun add = run(std::string("table add-size RHS ") + c.arguments + library());
        EXPECT_EQ(add.exitCode, 1) << c.arguments;
        EXPECT_NE(add.err.find(c.message), std::string::npos) << add.err;
    }
    EXPECT_EQ(tableFile("RHS.pr"), before);

    const ProgramRun toOut =
        run("table add-size RHS --from RHS-100x50x4 --values 110,50,4,0 --out " +
            quoted(scratch_.path() / "new.pr") + " --json" + library());
    ASSERT_EQ(toOut.exitCode, 0) << toOut.err;
    EXPECT_EQ(tableFile("RHS.pr"), before);
    const nlohmann::json added = nlohmann::json::parse(toOut.out);
    EXPECT_EQ(added.at("fullName"), "RHS-110x50x4");
    EXPECT_EQ(added.at("row"), 3) << "after 100x50x5, before 120x60x5";
    EXPECT_EQ(added.at("index"), 3);
    EXPECT_EQ(added.at("values")[2], "Koker110x50x4");
    const std::string written = readFile(scratch_.path() / "new.pr");
    EXPECT_NE(written.find("110x50x4\t1\tKoker110x50x4\tRHS110x50x4"), std::string::npos)
        << written;

    const ProgramRun named = run("table add-size RHS --name Special --values 90" + library());
    ASSERT_EQ(named.exitCode, 0) << named.err;
    EXPECT_NE(tableFile("RHS.pr").find("Special\t1\tSpecial\tSpecial\tSpecial\tSpecial\t90\t40"),
              std::string::npos);

    const ProgramRun listed = run("library show --json" + library());
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const nlohmann::json shownLibrary = nlohmann::json::parse(listed.out);
    EXPECT_EQ(shownLibrary.at("tables"), nlohmann::json({"HEA", "IPE", "RHS"}));
    EXPECT_EQ(shownLibrary.at("groups")[0].at("types"), nlohmann::json({"HEA", "IPE"}));
    EXPECT_EQ(shownLibrary.at("templates").size(), 24u);
    EXPECT_EQ(shownLibrary.at("templates")[9].at("nameOrder"), nlohmann::json({1, 2, 3}));
}

} // namespace
