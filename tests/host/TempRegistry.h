#pragma once

#include "platform/ui/Registry.h"

#include <filesystem>
#include <random>
#include <string>

// A fresh folder below the system's temporary folder, removed with its content at the end.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        mPath = std::filesystem::temp_directory_path() /
                ("tessa-frame-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(mPath);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(mPath, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return mPath; }

private:
    std::filesystem::path mPath;
};

// Makes a registry in a fresh folder the current one for the scope.
class TempRegistry {
public:
    explicit TempRegistry(ui::Registry::Access access = ui::Registry::Access::ReadWrite) {
        ui::Registry::open(mFolder.path(), access);
    }
    // Leaves an empty read-only registry current, so nothing written later lands anywhere.
    ~TempRegistry() { ui::Registry::open(mEmpty.path(), ui::Registry::Access::ReadOnly); }
    TempRegistry(const TempRegistry&) = delete;
    TempRegistry& operator=(const TempRegistry&) = delete;

    const std::filesystem::path& folder() const { return mFolder.path(); }
    // Opens the same folder again (read-only or not), as a later run of the program would.
    void reopen(ui::Registry::Access access) { ui::Registry::open(mFolder.path(), access); }

private:
    TempFolder mFolder;
    TempFolder mEmpty;
};
