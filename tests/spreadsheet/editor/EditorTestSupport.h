#pragma once
// Shared by the editor tool's tests: a private product folder (the print-settings folder), a
// root for drive-letter paths and a registry of its own.

#include "platform/core/files/PathBoundary.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "spreadsheet/editor/TfSSSettings.h"
#include "tests/core/TempFolder.h"
#include "tests/host/TempRegistry.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace editortest {

namespace fs = std::filesystem;

// The product folder is <temp>/product, so that its parent is the temporary folder itself;
// drive-letter paths ("c:\out\bill.tfs") map below <temp>/root.
class EditorFolders {
public:
    EditorFolders() {
        gSettings.setVdnDir(temp_.name("product"));
        gSettings.setRootDir(temp_.name("root"));
        fs::create_directories(temp_.path() / "product");
        fs::create_directories(temp_.path() / "root");
    }

    const TempFolder& temp() const { return temp_; }
    // The native path of a drive-letter name ("c:\out\a.bmp" -> <temp>/root/c/out/a.bmp).
    fs::path native(const Vdn_String& name) const { return core::toNativePath(name); }
    void writeNative(const Vdn_String& name, const std::string& bytes) const {
        const fs::path path = native(name);
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

private:
    SettingsRestorer restorer_;
    TempFolder temp_;
};

// Every field of the settings in its compact form, for comparing whole settings.
inline std::wstring compact(const TfSSSettings& settings) {
    Vdn_String text;
    EXPECT_TRUE(settings.toText(text));
    return text.str();
}

// Settings that differ from the defaults in every field.
inline TfSSSettings sampleSettings() {
    TfSSSettings settings;
    settings.headerFile = L"..\\pictures\\Kop é.emf";
    settings.footerFile = L"c:\\pictures\\foot.bmp";
    settings.defaultFont = L"Arial";
    settings.defaultTextHeight = 10;
    settings.marginLeft = 20;
    settings.marginRight = -1;
    settings.marginTop = 0;
    settings.marginBottom = 123456;
    settings.smartPrint = false;
    settings.colors = false;
    settings.colHeader = false;
    settings.rowHeader = false;
    settings.cellSeperators = false;
    settings.border = false;
    settings.varNames = {L"Date", L"Title"};
    settings.varValues = {L"1 mei, 2024 (10:00)", L"Hal ¿ 3"};
    return settings;
}

// The sample settings as if read (so that they can be written).
inline TfSSSettings validSample() {
    TfSSSettings settings;
    settings.loadFile(L"no such settings");
    Vdn_String text;
    EXPECT_TRUE(sampleSettings().toText(text));
    EXPECT_TRUE(settings.fromText(text));
    return settings;
}

} // namespace editortest
