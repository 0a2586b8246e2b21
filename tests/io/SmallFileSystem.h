#pragma once

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

// A folder on a file system of its own that holds only a few kilobytes, so that a test can
// fill it and see what a writer does on a full disk. Mounting needs root (or the capability);
// where it is refused, available() is false and the test skips itself.
class SmallFileSystem {
public:
    explicit SmallFileSystem(std::size_t kilobytes = 64) {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tessa-small-fs-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        mounted_ =
            ::geteuid() == 0 && ::mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool available() const { return mounted_; }
    const std::filesystem::path& path() const { return path_; }

    // Takes up all the space that is left.
    void fill() const {
        std::ofstream filler(path_ / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
            ;
        filler.close();
        // A last byte may still fit into the final block; try byte by byte.
        std::ofstream rest(path_ / "filler-rest", std::ios::binary);
        for (int i = 0; i < 8192 && rest.put('x') && rest.flush(); ++i)
            ;
    }

    // The names in the folder, for checking that nothing was left behind.
    std::size_t entries() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_))
            ++count;
        return count;
    }

private:
    std::filesystem::path path_;
    bool mounted_ = false;
};
