// Sheet files kept in memory: read once, loaded by copying, read again when they change.

#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/TSpread.h"
#include "tests/spreadsheet/standards/CalcTestSupport.h"

#include <chrono>
#include <fstream>
#include <iterator>

namespace {

using namespace calctest;

class SheetFileCacheTest : public ::testing::Test {
protected:
    SheetFileCacheTest() { cache.clear(); }
    ~SheetFileCacheTest() override { cache.clear(); }

    std::wstring first(const TSpread& control) {
        return control.sheet().cellText({1, 1}, grid::TextKind::Value).value_or(L"(none)");
    }
    // Rewrites the file in place with another text of the same length, keeping its time.
    void replaceKeepingSizeAndTime(const fs::path& file, const std::wstring& text) {
        const fs::file_time_type time = fs::last_write_time(file);
        const std::uintmax_t size = fs::file_size(file);
        const fs::path scratch = file.parent_path() / "scratch.tfs";
        writeSheetFile(scratch, {{text}});
        std::ifstream in(scratch, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        fs::remove(scratch);
        ASSERT_EQ(fs::file_size(file), size);
        fs::last_write_time(file, time);
    }

    TempLibrary library;
    ss::SheetFileCache& cache = ss::SheetFileCache::instance();
    TSpread control;
};

TEST_F(SheetFileCacheTest, AnUnchangedFileIsReadOnceAndLoadedFromMemory) {
    const fs::path file = library.root() / "a.tfs";
    writeSheetFile(file, {{L"first"}});
    const auto loaded = cache.load(control, file);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(first(control), L"first");
    EXPECT_EQ(cache.size(), 1u);

    // Same size, same time: the cache cannot tell, and loads what it read.
    replaceKeepingSizeAndTime(file, L"other");
    control.sheet().setCellText({1, 1}, L"changed in the sheet");
    const auto again = cache.load(control, file);
    EXPECT_EQ(again, loaded);
    EXPECT_EQ(first(control), L"first") << "a load replaces what the sheet was given";
}

TEST_F(SheetFileCacheTest, AChangedFileIsReadAgain) {
    const fs::path file = library.root() / "a.tfs";
    writeSheetFile(file, {{L"first"}});
    const auto loaded = cache.load(control, file);
    loaded->memo->equations.remember({}, 1);

    replaceKeepingSizeAndTime(file, L"later");
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(2));
    const auto newer = cache.load(control, file);
    ASSERT_NE(newer, nullptr);
    EXPECT_EQ(first(control), L"later");
    EXPECT_NE(newer, loaded);
    EXPECT_EQ(newer->memo->equations.size(), 0u) << "what was learned from the old file goes";

    writeSheetFile(file, {{L"longer than before"}});
    fs::last_write_time(file, newer->modified);
    ASSERT_NE(cache.load(control, file), nullptr);
    EXPECT_EQ(first(control), L"longer than before") << "a new size is enough";
    EXPECT_EQ(cache.size(), 1u);
}

TEST_F(SheetFileCacheTest, AnotherFileOfTheSameSizeAndTimeOrAFreshOneIsReadAgain) {
    const fs::path file = library.root() / "a.tfs";
    writeSheetFile(file, {{L"first"}});
    ASSERT_NE(cache.load(control, file), nullptr);
    // Another file put in its place (as an editor saves), with the same size and time.
    const fs::path other = library.root() / "other.tfs";
    writeSheetFile(other, {{L"other"}});
    fs::last_write_time(other, fs::last_write_time(file));
    fs::rename(other, file);
    ASSERT_NE(cache.load(control, file), nullptr);
    EXPECT_EQ(first(control), L"other") << "the file's identity tells them apart";

    // A file changed just now may change again within its time's resolution: used, not kept.
    writeSheetFile(file, {{L"fresh"}});
    fs::last_write_time(file, fs::file_time_type::clock::now());
    const auto fresh = cache.load(control, file);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(first(control), L"fresh");
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_NE(cache.load(control, file), fresh);
}

TEST_F(SheetFileCacheTest, OneFileUnderTwoNamesIsOneSheetWhereItLives) {
    const fs::path file = library.root() / "sub" / "a.tfs";
    writeSheetFile(file, {{L"first"}});
    const auto direct = cache.load(control, file);
    const auto roundabout = cache.load(control, library.root() / "sub" / ".." / "sub" / "a.tfs");
    ASSERT_NE(direct, nullptr);
    ASSERT_NE(roundabout, nullptr);
    EXPECT_EQ(direct->canonicalPath, roundabout->canonicalPath);
    EXPECT_EQ(direct->canonicalPath, fs::canonical(file));
}

TEST_F(SheetFileCacheTest, DamagedOrMissingFilesLoadNothing) {
    const fs::path file = library.root() / "bad.tfs";
    writeSheetFile(file, {{L"kept"}});
    ASSERT_NE(cache.load(control, file), nullptr);
    std::ofstream(file, std::ios::trunc) << "tessa-sheet 1\nsize x\n";
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(2));
    EXPECT_EQ(cache.load(control, file), nullptr);
    EXPECT_EQ(first(control), L"kept") << "the sheet stays as it was";
    EXPECT_EQ(cache.load(control, library.root() / "missing.tfs"), nullptr);
}

TEST_F(SheetFileCacheTest, TheCacheKeepsALimitedNumberOfFiles) {
    for (std::size_t i = 0; i <= ss::SheetFileCache::kCapacity + 3; ++i) {
        const fs::path file = library.root() / ("s" + std::to_string(i) + ".tfs");
        writeSheetFile(file, {{L"sheet " + std::to_wstring(i)}});
        ASSERT_NE(cache.load(control, file), nullptr);
        EXPECT_EQ(first(control), L"sheet " + std::to_wstring(i));
    }
    EXPECT_EQ(cache.size(), ss::SheetFileCache::kCapacity);
}

} // namespace
