#pragma once
// Shared by the tests of the calculating spreadsheet: a library folder of the test's own in
// which sheets are written from rows of cell texts, a hidden standards dialog whose sheet is
// tested, a pool emptied before and after, and the exact texts of the messages.

#include "module/TfSSDlgsMgr.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/settings/DocumentData.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/host/HostWindows.h"
#include "spreadsheet/standards/CDlgSSStandards.h"
#include "spreadsheet/standards/SheetFileCache.h"
#include "tests/ui/ui_test_support.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace calctest {

namespace fs = std::filesystem;

using Rows = std::vector<std::vector<std::wstring>>;

// Writes a sheet whose row r holds rows[r - 1] from column 1 on (empty texts stay empty cells);
// a text that reads as a number becomes a number, as typed into a cell, and one that starts
// with '=' a formula. Returns the path as text.
inline Vdn_String writeSheetFile(const fs::path& file, const Rows& rows) {
    grid::Sheet sheet;
    std::size_t cols = 1;
    for (const auto& row : rows)
        cols = std::max(cols, row.size());
    sheet.setMaxCols(static_cast<int>(cols));
    sheet.setMaxRows(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const grid::CellRef cell{static_cast<int>(c + 1), static_cast<int>(r + 1)};
            if (rows[r][c].starts_with(L'='))
                EXPECT_TRUE(sheet.setFormula(cell, rows[r][c]).ok()) << rows[r][c];
            else if (!rows[r][c].empty())
                sheet.setCellText(cell, rows[r][c]);
        }
    }
    fs::create_directories(file.parent_path());
    EXPECT_TRUE(sheet.saveTfs(file)) << file;
    // Written a while ago, as a library's sheets are: the file caches keep only files whose
    // time has settled.
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(1));
    return Vdn_String::fromUtf8(file.string());
}

// A fresh folder that is the library folder (and the root of drive-letter paths) for the
// lifetime of the object.
class TempLibrary {
public:
    TempLibrary() : saved_(gSettings) {
        std::random_device random;
        root_ = fs::temp_directory_path() /
                ("tessa-calc-test-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(root_ / "lib" / "Connection Standards");
        gSettings.setLibDir(Vdn_String::fromUtf8((root_ / "lib").string()));
        gSettings.setRootDir(Vdn_String::fromUtf8((root_ / "root").string()));
    }
    ~TempLibrary() {
        gSettings = saved_;
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    TempLibrary(const TempLibrary&) = delete;
    TempLibrary& operator=(const TempLibrary&) = delete;

    const fs::path& root() const { return root_; }
    // The native path, as text, of a file below the root folder.
    Vdn_String path(const std::string& relative) const {
        return Vdn_String::fromUtf8((root_ / relative).string());
    }
    // Writes a sheet below the root (see writeSheetFile).
    Vdn_String writeSheet(const std::string& relative, const Rows& rows) const {
        return writeSheetFile(root_ / relative, rows);
    }
    // A sheet in the library's "Connection Standards" folder.
    Vdn_String writeStandard(const std::string& relative, const Rows& rows) const {
        return writeSheet("lib/Connection Standards/" + relative, rows);
    }

private:
    Vdn_Settings saved_;
    fs::path root_;
};

// The equation message of a failed equation: with the reason when one is known, else with
// the tip about unknown variables.
inline std::wstring equationMessage(const std::wstring& equation, const Vdn_String& file, int row,
                                    const std::wstring& reason = {}) {
    const std::wstring head = L"The following equation failed:\n" + equation + L"\nSpreadsheet : " +
                              TfCalcSS::shownPath(file).str() + L" (line: " + std::to_wstring(row) +
                              L")\n";
    if (!reason.empty())
        return head + L"Reason : " + reason;
    return head +
           L"Here's a tip for finding the cause :\nIf this equation contains variable names, "
           L"then the translator does not know the value of the variable. Make sure the variable "
           L"exists either in input, output, local declarations or among the gen_ variables.";
}

// A hidden standards dialog made as the pool makes them, its sheet, the library, and the
// spreadsheet messages on. The pool and the file cache start empty.
class CalcTest : public uitest::ScriptedUserTest {
protected:
    CalcTest() : savedDocument_(core::currentDocumentData()) {
        core::currentDocumentData().spreadsheetMessages = true;
        gSSDlgsMgr.destroyAll();
        ss::SheetFileCache::instance().clear();
        gSectionTables.reload();
    }
    ~CalcTest() override {
        core::currentDocumentData() = savedDocument_;
        gSSDlgsMgr.destroyAll();
        gSectionTables.reload();
    }
    void SetUp() override { ASSERT_TRUE(dialog.Create(CDlgSSStandards::kTemplateId)); }
    void TearDown() override {
        dialog.DestroyWindow();
        host::destroyMainWindow();
        uitest::ScriptedUserTest::TearDown();
    }

    // Writes the sheet below the root and loads it into the dialog's sheet.
    Vdn_String load(const Rows& rows, const std::string& relative = "sheet.tfs") {
        const Vdn_String file = library.writeSheet(relative, rows);
        EXPECT_EQ(sheet.loadFile(file), Acad::eOk) << file;
        return file;
    }
    Vdn_String text(int col, int row, int kind = 3) const {
        Vdn_String value;
        sheet.getCellText(col, row, value, kind);
        return value;
    }
    Vdn_String value(const wchar_t* name) const {
        const TfVarCells& cells = sheet.varCells();
        int index = -1;
        if (cells.findVarCell(name, index) != Acad::eOk)
            return L"(no variable)";
        return cells[index].value;
    }
    Vdn_StringArray names() const {
        Vdn_StringArray out;
        for (int i = 0; i < sheet.varCells().length(); ++i)
            out.append(sheet.varCells()[i].name);
        return out;
    }

    TempLibrary library;
    CDlgSSStandards dialog;
    TfCalcSS& sheet = dialog.calcSS();

private:
    core::DocumentData savedDocument_;
};

} // namespace calctest
