#pragma once
// Tests of the Formulas dialog: the sheets of tests/dialogs/data copied below a root folder of
// their own, as c:\tables\<name> (and c:\a\t3.sss for EvaluateSS), a scripted user, and the
// host's command line read back.

#include "dialogs/CFormula.h"
#include "dialogs/FormulaSheetScope.h"
#include "platform/grid/functions/FunctionValue.h"
#include "platform/host/CommandLine.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/ui_test_support.h"

#include <filesystem>
#include <string>

namespace formulatest {

// Arguments of a FROMTABLE call as the grid hands them over.
inline grid::FunctionValue text(const wchar_t* value) {
    return grid::FunctionValue::ofText(value);
}
inline grid::FunctionValue ref(int col, int row) {
    return grid::FunctionValue::ofCell({col, row});
}

// Where the test sheets lie, as the dialog names them.
inline Vdn_String table(const std::wstring& name) {
    return Vdn_String(L"c:\\tables\\" + name);
}

class FormulaTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path data = fs::path(TESSA_SOURCE_ROOT) / "tests/dialogs/data";
        const fs::path tables = folder.path() / "root/c/tables";
        fs::create_directories(tables);
        fs::create_directories(folder.path() / "root/c/out");
        for (const auto& entry : fs::directory_iterator(data))
            fs::copy_file(entry.path(), tables / entry.path().filename());
        gSettings.setRootDir(folder.name("root"));
        host::CommandLine::instance().clear();
    }
    void TearDown() override {
        uitest::ScriptedUserTest::TearDown();
        EXPECT_EQ(gCurrentFormulaSheet, nullptr);
    }

    // Makes c:\a\t3.sss, the file of EvaluateSS, a copy of a test sheet.
    void provideT3(const std::string& name) const {
        std::filesystem::create_directories(folder.path() / "root/c/a");
        std::filesystem::copy_file(folder.path() / "root/c/tables" / name,
                                   folder.path() / "root/c/a/t3.sss");
    }
    static const std::wstring& printed() { return host::CommandLine::instance().text(); }

    static Vdn_String cell(const Vdn_Spread& sheet, int col, int row, int kind = 0) {
        Vdn_String text;
        sheet.getCellText(col, row, text, kind);
        return text;
    }

    SettingsRestorer restorer;
    TempFolder folder;
};

} // namespace formulatest
