#pragma once

#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/TextCodec.h"
#include "platform/core/text/Vdn_String.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A fresh folder below the system's temporary folder, removed with its content at the end.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        mPath = std::filesystem::temp_directory_path() /
                ("tessa-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(mPath);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(mPath, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return mPath; }
    // The native path of a relative name, as text ("a/b.txt" -> "/tmp/.../a/b.txt").
    Vdn_String name(const std::string& relative) const {
        return Vdn_String::fromUtf8((mPath / relative).string());
    }
    // Creates the file (and its folders) with the given bytes.
    void write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path file = mPath / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string read(const std::string& relative) const {
        std::ifstream in(mPath / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path mPath;
};

// Restores gSettings when a test has changed it.
class SettingsRestorer {
public:
    SettingsRestorer() : mSaved(gSettings) {}
    ~SettingsRestorer() { gSettings = mSaved; }
    SettingsRestorer(const SettingsRestorer&) = delete;
    SettingsRestorer& operator=(const SettingsRestorer&) = delete;

private:
    Vdn_Settings mSaved;
};
