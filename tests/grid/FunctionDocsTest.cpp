// The list of built-in functions in docs/ names every function once with the argument counts
// the parser enforces, and each example there gives the result written beside it.
#include "GridTestSupport.h"
#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/values/ValueConversion.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace grid::test {
namespace {

struct Row {
    std::string name;
    std::string least;
    std::string most;
    std::string example;
    std::string result;
};

// The table rows of the built-in section: "| `NAME` | least | most | `example` | result |".
std::vector<Row> documentedRows() {
    std::ifstream in(std::string(TESSA_DOCS_DIR) + "/spreadsheet-functions.md");
    std::vector<Row> rows;
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        if (line.starts_with("## "))
            inSection = line == "## Built-in functions";
        if (!inSection || !line.starts_with("| `"))
            continue;
        std::vector<std::string> cells;
        std::stringstream stream(line.substr(1));
        std::string cell;
        while (std::getline(stream, cell, '|')) {
            const auto first = cell.find_first_not_of(' ');
            const auto last = cell.find_last_not_of(' ');
            cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
        }
        if (cells.size() < 5)
            continue;
        auto unquote = [](const std::string& s) {
            return s.size() >= 2 && s.front() == '`' ? s.substr(1, s.size() - 2) : s;
        };
        rows.push_back({unquote(cells[0]), cells[1], cells[2], unquote(cells[3]), cells[4]});
    }
    return rows;
}

std::string shown(const Value& value) {
    const std::string text = narrow(ValueConversion::toText(value));
    return value.isText() ? "\"" + text + "\"" : text;
}

TEST(FunctionDocs, ListEveryFunctionWithItsCountsAndAWorkingExample) {
    const std::vector<Row> rows = documentedRows();
    std::map<std::string, const Row*> byName;
    for (const Row& row : rows) {
        EXPECT_TRUE(byName.emplace(row.name, &row).second) << row.name << " is listed twice";
    }
    std::size_t builtins = 0;
    for (const auto list : BuiltinFunctions::all()) {
        for (const BuiltinFunction& function : list) {
            ++builtins;
            const std::string name = narrow(function.name);
            const auto found = byName.find(name);
            if (found == byName.end()) {
                ADD_FAILURE() << name << " is not listed";
                continue;
            }
            EXPECT_EQ(found->second->least, std::to_string(function.minArgs)) << name;
            EXPECT_EQ(found->second->most,
                      function.maxArgs < 0 ? "any" : std::to_string(function.maxArgs))
                << name;
        }
    }
    EXPECT_EQ(rows.size(), builtins) << "the list names a function the engine does not have";

    Sheet sheet;
    sheet.setMaxCols(20);
    sheet.setMaxRows(20);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::wstring example;
        std::size_t badOffset = 0;
        ASSERT_TRUE(TextCodec::decodeUtf8(row.example, example, badOffset));
        ASSERT_TRUE(sheet.setFormula({10, 10}, example).ok()) << row.example;
        EXPECT_EQ(shown(sheet.cellValue({10, 10}).value_or(Value())), row.result) << row.example;
    }
}

} // namespace
} // namespace grid::test
