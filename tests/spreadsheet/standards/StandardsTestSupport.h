#pragma once
// Shared by the standards tests: a private copy of the test library as the library folder, the
// sample macros of data/macros with their records, and a scripted user that must see exactly
// the message boxes a test expects.

#include "platform/core/model/MacroData.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/settings/DocumentData.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/AcTransaction.h"
#include "spreadsheet/standards/TfDlgStandardsData.h"
#include "tests/ui/ui_test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>

namespace standardstest {

namespace fs = std::filesystem;

inline fs::path dataPath(const std::string& relative = {}) {
    return fs::path(TESSA_SOURCE_ROOT) / "tests/spreadsheet/standards/data" / relative;
}

inline std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A copy of data/library in a fresh temporary folder, made the library folder for the scope.
class LibraryCopy {
public:
    LibraryCopy() : savedSettings_(gSettings) {
        std::random_device random;
        root_ = fs::temp_directory_path() /
                ("tessa-standards-test-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(root_);
        fs::copy(dataPath("library"), root_, fs::copy_options::recursive);
        gSettings.setLibDir(Vdn_String::fromUtf8(root_.string()));
        gSectionTables.reload();
    }
    ~LibraryCopy() {
        gSettings = savedSettings_;
        gSectionTables.reload();
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    LibraryCopy(const LibraryCopy&) = delete;
    LibraryCopy& operator=(const LibraryCopy&) = delete;

    const fs::path& root() const { return root_; }
    // The mapping file of a sheet named alone.
    fs::path mapFile(const std::string& sheet) const {
        return root_ / "Connection Standards" / (sheet + ".map");
    }

private:
    Vdn_Settings savedSettings_;
    fs::path root_;
};

inline Vdn_DbMacro loadMacro(const std::string& name = "endplate.json") {
    core::MacroReadResult result =
        Vdn_DbMacro::readFromFile(Vdn_String::fromUtf8(dataPath("macros/" + name).string()));
    EXPECT_TRUE(result.ok()) << result.message();
    return result.ok() ? result.macro() : Vdn_DbMacro();
}

// A macro, its record and an evaluation record pointing at both, with a library of its own.
class StandardsTest : public uitest::ScriptedUserTest {
protected:
    StandardsTest() : savedDocument_(core::currentDocumentData()) {
        core::currentDocumentData().spreadsheetMessages = true;
        macro = loadMacro();
        macro.getMacroData(record);
        data.dbMacro = &macro;
        data.macroData = &record;
        data.transaction = &transaction;
        data.fileName = L"EndPlate";
    }
    ~StandardsTest() override { core::currentDocumentData() = savedDocument_; }

    // Mapping-list mode with the entries of one line of a mapping file.
    TfSSMapping listMapping(const wchar_t* line) {
        TfSSMapping mapping;
        EXPECT_EQ(mapping.initMappingFromLine(line), Acad::eOk);
        return mapping;
    }
    const Vdn_Module& module(const wchar_t* name) {
        const Vdn_Module* found = nullptr;
        EXPECT_EQ(static_cast<const Vdn_DbMacro&>(macro).openModule(name, found), Acad::eOk);
        return *found;
    }
    Vdn_String constraintValue(const wchar_t* moduleName, const wchar_t* name) {
        Vdn_Module* found = nullptr;
        Vdn_String value;
        EXPECT_EQ(macro.openModule(moduleName, found), Acad::eOk);
        EXPECT_EQ(found->getSetConstrVarValue(name, value, false), Acad::eOk);
        return value;
    }
    MacroTabData& tab(const wchar_t* name) { return *record.getTab(record.findTab(name)); }

    LibraryCopy library;
    Vdn_DbMacro macro;
    MacroData record;
    AcTransaction transaction;
    TfDlgStandardsData data;

private:
    core::DocumentData savedDocument_;
};

} // namespace standardstest
