// The grid's fuzz seeds double as file tests: each loads, or is refused when its name says it
// is broken. (The replay of every seed through its fuzz entry runs with the other entries.)
#include "GridTestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace grid::test {
namespace {

std::vector<std::filesystem::path> seeds(const char* target) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(GRID_FUZZ_CORPUS) / target)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    return files;
}

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Seeds named "broken..." or "damaged..." are meant to be refused; all others to load.
bool meantToFail(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return name.starts_with("broken") || name.starts_with("damaged");
}

TEST(FuzzCorpus, SeedsLoadOrFailAsTheirNamesSay) {
    for (const auto& file : seeds("grid_formula_parser")) {
        SCOPED_TRACE(file.string());
        Sheet sheet;
        sheet.setMaxCols(3);
        sheet.setMaxRows(3);
        EXPECT_EQ(sheet.setFormula({3, 3}, TextCodec::decodeAny(contents(file))).ok(),
                  !meantToFail(file));
    }
    for (const auto& file : seeds("grid_tfs_reader")) {
        SCOPED_TRACE(file.string());
        Sheet sheet;
        EXPECT_EQ(sheet.readTfs(contents(file)).ok(), !meantToFail(file));
    }
    for (const auto& file : seeds("grid_csv_reader")) {
        SCOPED_TRACE(file.string());
        Sheet sheet;
        EXPECT_EQ(sheet.readCsv(contents(file)).ok(), !meantToFail(file));
    }
}

} // namespace
} // namespace grid::test
