// Size lists and look-up tables kept in memory: a file is read once while it stays as it was,
// read again when it changes on disk, and never served once it is gone.

#include "FunctionsTestSupport.h"
#include "spreadsheet/functions/LookupTable.h"
#include "spreadsheet/functions/SizeList.h"
#include "tests/core/TempFolder.h"

#include <chrono>
#include <filesystem>

namespace ssfunctions_test {
namespace {

namespace fs = std::filesystem;

class DataFileCache : public FunctionsTest {
protected:
    DataFileCache() {
        gSettings.setLibDir(Vdn_String::fromUtf8(library.path().string()));
        ss::clearSizeListCache();
        ss::clearLookupTableCache();
    }
    ~DataFileCache() override {
        ss::clearSizeListCache();
        ss::clearLookupTableCache();
    }

    fs::path dataFile(const std::string& name) const {
        return library.path() / "Connection Standards" / "Data" / name;
    }
    // Writes a data file of the library's Data folder, last changed `age` ago: a file changed
    // long enough ago is kept in memory once read.
    void write(const std::string& name, const std::string& bytes,
               std::chrono::seconds age = std::chrono::hours(1)) const {
        library.write("Connection Standards/Data/" + name, bytes);
        fs::last_write_time(dataFile(name), fs::file_time_type::clock::now() - age);
    }
    // Rewrites a file with other bytes of the same size, keeping its time: only its contents
    // tell the change.
    void replaceKeepingSizeAndTime(const std::string& name, const std::string& bytes) const {
        const fs::file_time_type time = fs::last_write_time(dataFile(name));
        ASSERT_EQ(fs::file_size(dataFile(name)), bytes.size());
        library.write("Connection Standards/Data/" + name, bytes);
        fs::last_write_time(dataFile(name), time);
    }

    std::vector<double> sizes(const wchar_t* name) const {
        const ss::SizeList list = ss::readSizeList(name);
        return {list.firstValues.begin(), list.firstValues.end()};
    }
    std::optional<Vdn_String> answer(const wchar_t* table, const wchar_t* key) const {
        const std::optional<ss::LookupTable> read = ss::LookupTable::read(table);
        return read ? read->answer(key, false) : std::nullopt;
    }

    TempFolder library;
};

TEST_F(DataFileCache, AnUnchangedSizeListIsReadOnce) {
    write("sizes.txt", "10\n20\n");
    EXPECT_EQ(sizes(L"sizes.txt"), (std::vector<double>{10, 20}));
    // Same size, same time, same file: nothing tells the change, so memory answers.
    replaceKeepingSizeAndTime("sizes.txt", "30\n40\n");
    EXPECT_EQ(sizes(L"sizes.txt"), (std::vector<double>{10, 20}));
}

TEST_F(DataFileCache, AChangedSizeListIsReadAgain) {
    write("sizes.txt", "10\n20\n");
    EXPECT_EQ(sizes(L"sizes.txt"), (std::vector<double>{10, 20}));
    write("sizes.txt", "10\n25\n", std::chrono::hours(2)); // same size, older time
    EXPECT_EQ(sizes(L"sizes.txt"), (std::vector<double>{10, 25}));
    write("sizes.txt", "10\n25\n30\n"); // other size
    EXPECT_EQ(sizes(L"sizes.txt"), (std::vector<double>{10, 25, 30}));
    EXPECT_DOUBLE_EQ(evaluate(L"=STDSIZEWITHTOLERANCE(\"sizes.txt\",1,29,2,2)").asNumber(), 30);
}

TEST_F(DataFileCache, AFileChangedJustNowIsNotKept) {
    // Written just now: a change within the resolution of the file's time might not show in
    // it, so what was read is not kept.
    write("sizes.txt", "10\n20\n", std::chrono::seconds(0));
    EXPECT_EQ(sizes(L"sizes.txt"), (std::vector<double>{10, 20}));
    replaceKeepingSizeAndTime("sizes.txt", "30\n40\n");
    EXPECT_EQ(sizes(L"sizes.txt"), (std::vector<double>{30, 40}));
}

TEST_F(DataFileCache, ADeletedFileIsNotServedFromMemory) {
    write("sizes.txt", "10\n20\n");
    write("table.txt", "M16\t17\n");
    EXPECT_EQ(sizes(L"sizes.txt"), (std::vector<double>{10, 20}));
    EXPECT_EQ(answer(L"table.txt", L"M16"), Vdn_String(L"17"));
    fs::remove(dataFile("sizes.txt"));
    fs::remove(dataFile("table.txt"));
    EXPECT_TRUE(sizes(L"sizes.txt").empty());
    EXPECT_EQ(answer(L"table.txt", L"M16"), std::nullopt);
    EXPECT_EQ(evaluate(L"=GETCELL(\"table.txt\",\"M16\")"), failed());
    // Rounding decides without the list (the list would give 10).
    EXPECT_DOUBLE_EQ(evaluate(L"=STDSIZEWITHTOLERANCE(\"sizes.txt\",1,11.5,2,2)").asNumber(), 11);
}

TEST_F(DataFileCache, FilesOfOneNameAreKeptApartByWhereTheyLie) {
    write("table.txt", "key\tfrom Data\n");
    EXPECT_EQ(answer(L"table.txt", L"key"), Vdn_String(L"from Data"));
    // The name as given is searched first: an absolute name is another file.
    library.write("elsewhere/table.txt", "key\telsewhere\n");
    const Vdn_String elsewhere =
        Vdn_String::fromUtf8((library.path() / "elsewhere" / "table.txt").string());
    EXPECT_EQ(answer(elsewhere.str().c_str(), L"key"), Vdn_String(L"elsewhere"));
    EXPECT_EQ(answer(L"table.txt", L"key"), Vdn_String(L"from Data"));
}

TEST_F(DataFileCache, AChangedLookUpTableIsReadAgain) {
    write("table.txt", "M16\t17\nM20\t22\n");
    EXPECT_EQ(evaluate(L"=GETCELL(\"table.txt\",\"M20\")"), text(L"22"));
    write("table.txt", "M16\t18\nM20\t23\n", std::chrono::hours(2));
    EXPECT_EQ(evaluate(L"=GETCELL(\"table.txt\",\"M20\")"), text(L"23"));
    write("table.txt", "// nothing left\n");
    EXPECT_EQ(evaluate(L"=GETCELL(\"table.txt\",\"M20\")"), failed()) << "no rows";
}

} // namespace
} // namespace ssfunctions_test
