#include "platform/io/InputLog.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace {

namespace fs = std::filesystem;

TEST(InputLog, KnowsAFileReadUnderAnyName) {
    std::random_device random;
    const fs::path folder = fs::temp_directory_path() /
                            ("tessa-log-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(folder / "Data");
    const fs::path table = folder / "Data" / "plates.txt";
    std::ofstream(table) << "1\n";
    fs::create_symlink(table, folder / "link.txt");
    fs::create_hard_link(table, folder / "hard.txt");
    std::ofstream(folder / "other.txt") << "2\n";

    io::InputLog::clear();
    io::InputLog::note(table);
    io::InputLog::note(folder / "missing.txt"); // names nothing: no input

    for (const fs::path& alias :
         {table, folder / "link.txt", folder / "hard.txt", folder / "Data" / "." / "plates.txt",
          folder / "Data" / ".." / "Data" / "plates.txt"}) {
        SCOPED_TRACE(alias.string());
        const auto found = io::InputLog::find(alias);
        ASSERT_TRUE(found);
        EXPECT_EQ(*found, table);
    }
    EXPECT_FALSE(io::InputLog::find(folder / "other.txt"));
    EXPECT_FALSE(io::InputLog::find(folder / "missing.txt"));
    io::InputLog::clear();
    EXPECT_FALSE(io::InputLog::find(table));
    fs::remove_all(folder);
}

} // namespace
