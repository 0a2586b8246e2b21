#include "platform/io/AtomicWrite.h"

#include "tests/io/SmallFileSystem.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() /
                ("tessa-io-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::size_t entriesIn(const fs::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

mode_t modeOf(const fs::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(AtomicWrite, ReplacesAFileWholeAndLeavesNothingBeside) {
    const ScratchFolder scratch;
    const fs::path target = scratch.path() / "plates.txt";
    put(target, "old content that is longer than the new one\n");
    ASSERT_TRUE(io::writeFileAtomically(target, "new\n"));
    EXPECT_EQ(contentOf(target), "new\n");
    EXPECT_EQ(entriesIn(scratch.path()), 1u);

    // A new file, and an empty one, are files like any other.
    ASSERT_TRUE(io::writeFileAtomically(scratch.path() / "empty.txt", ""));
    EXPECT_TRUE(fs::is_regular_file(scratch.path() / "empty.txt"));
    EXPECT_EQ(fs::file_size(scratch.path() / "empty.txt"), 0u);
}

TEST(AtomicWrite, RefusesEveryTargetThatIsNoRegularFile) {
    const ScratchFolder scratch;
    const fs::path fifo = scratch.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path folder = scratch.path() / "folder";
    fs::create_directory(folder);
    const fs::path socketPath = scratch.path() / "sock";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const fs::path linkToDevice = scratch.path() / "null-link";
    fs::create_symlink("/dev/null", linkToDevice);

    struct Case {
        fs::path target;
        std::string says;
    } const cases[] = {
        {"/dev/null", "is a device, not a file"},     {linkToDevice, "is a device, not a file"},
        {fifo, "is a FIFO (named pipe), not a file"}, {folder, "is a folder, not a file"},
        {socketPath, "is a socket, not a file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.string());
        const io::WriteResult result = io::writeFileAtomically(c.target, "data");
        EXPECT_FALSE(result);
        EXPECT_NE(result.reason().find(c.says), std::string::npos) << result.reason();
    }
    ::close(fd);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_symlink(linkToDevice));
    // Nothing but what the test made: no temporary file anywhere.
    EXPECT_EQ(entriesIn(scratch.path()), 4u);
}

TEST(AtomicWrite, WritesThroughSymbolicLinksAndKeepsPermissions) {
    const ScratchFolder scratch;
    fs::create_directory(scratch.path() / "data");
    const fs::path real = scratch.path() / "data" / "table.txt";
    put(real, "old");
    ::chmod(real.c_str(), 0640);
    const fs::path link = scratch.path() / "table-link";
    fs::create_symlink("data/table.txt", link);
    const fs::path second = scratch.path() / "link-to-link";
    fs::create_symlink("table-link", second);

    ASSERT_TRUE(io::writeFileAtomically(second, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(second));
    EXPECT_EQ(contentOf(real), "new");
    EXPECT_EQ(modeOf(real), 0640u);
    EXPECT_EQ(io::writeTargetOf(second), scratch.path() / "data/table.txt");

    // A link to a file not yet there makes that file.
    const fs::path dangling = scratch.path() / "dangling";
    fs::create_symlink("data/new.txt", dangling);
    ASSERT_TRUE(io::writeFileAtomically(dangling, "made"));
    EXPECT_EQ(contentOf(scratch.path() / "data" / "new.txt"), "made");
    EXPECT_TRUE(fs::is_symlink(dangling));
}

TEST(AtomicWrite, NewFilesGetTheUsualPermissions) {
    const ScratchFolder scratch;
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(io::writeFileAtomically(scratch.path() / "new.txt", "x"));
    ::umask(mask);
    EXPECT_EQ(modeOf(scratch.path() / "new.txt"), 0644u);
}

TEST(AtomicWrite, AMissingFolderOrNameIsAReason) {
    const ScratchFolder scratch;
    const io::WriteResult noFolder = io::writeFileAtomically(scratch.path() / "no" / "x.txt", "x");
    EXPECT_FALSE(noFolder);
    EXPECT_NE(noFolder.reason().find("does not exist"), std::string::npos) << noFolder.reason();
    EXPECT_FALSE(io::writeFileAtomically(fs::path(), "x"));
    EXPECT_FALSE(io::writeFileAtomically(scratch.path() / "..", "x"));
}

TEST(AtomicWrite, AFailingProducerLeavesTheOldFileAndNoTemporary) {
    const ScratchFolder scratch;
    const fs::path target = scratch.path() / "macro.json";
    put(target, "{}");
    const io::WriteResult result = io::writeFileAtomically(target, [](const fs::path& temporary) {
        put(temporary, "half");
        return false;
    });
    EXPECT_FALSE(result);
    EXPECT_NE(result.reason().find("the file is unchanged"), std::string::npos);
    EXPECT_EQ(contentOf(target), "{}");
    EXPECT_EQ(entriesIn(scratch.path()), 1u);

    // A producer that writes through the atomic write itself (a nested writer) is fine.
    ASSERT_TRUE(io::writeFileAtomically(target, [](const fs::path& temporary) {
        return io::writeFileAtomically(temporary, "{\"a\": 1}").ok();
    }));
    EXPECT_EQ(contentOf(target), "{\"a\": 1}");
    EXPECT_EQ(entriesIn(scratch.path()), 1u);
}

TEST(AtomicWrite, AFullDiskKeepsTheOldFileAndSaysWhy) {
    const SmallFileSystem disk(64);
    if (!disk.available())
        GTEST_SKIP() << "mounting a small file system needs root";
    const fs::path target = disk.path() / "plates.txt";
    put(target, "the old plates\n");
    disk.fill();
    const std::size_t before = disk.entries();

    const io::WriteResult result = io::writeFileAtomically(target, std::string(256 * 1024, 'p'));
    EXPECT_FALSE(result);
    EXPECT_NE(result.reason().find("No space left on device"), std::string::npos)
        << result.reason();
    EXPECT_NE(result.reason().find("the file is unchanged"), std::string::npos);
    EXPECT_EQ(contentOf(target), "the old plates\n");
    EXPECT_EQ(disk.entries(), before);
    EXPECT_EQ(io::lastWriteFailure(), result.reason());
}

} // namespace
