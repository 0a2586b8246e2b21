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
        path_ = std::filesystem::temp_directory_path() /
                ("tessa-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The native path of a relative name, as text ("a/b.txt" -> "/tmp/.../a/b.txt").
    Vdn_String name(const std::string& relative) const {
        return Vdn_String::fromUtf8((path_ / relative).string());
    }
    // Creates the file (and its folders) with the given bytes.
    void write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string read(const std::string& relative) const {
        std::ifstream in(path_ / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path path_;
};

// Restores gSettings when a test has changed it.
class SettingsRestorer {
public:
    SettingsRestorer() : saved_(gSettings) {}
    ~SettingsRestorer() { gSettings = saved_; }
    SettingsRestorer(const SettingsRestorer&) = delete;
    SettingsRestorer& operator=(const SettingsRestorer&) = delete;

private:
    Vdn_Settings saved_;
};
