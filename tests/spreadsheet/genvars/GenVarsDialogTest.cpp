// The general-variables dialog through its launcher: what OK stores, what Cancel keeps, the
// joined name cells and the filter paths chosen with the "..." buttons.
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/dialogs/CFileDialog.h"
#include "spreadsheet/genvars/CDlgGenVars.h"
#include "spreadsheet/genvars/GenVarFilter.h"
#include "spreadsheet/genvars/GenVarsLaunchers.h"
#include "tests/core/TempFolder.h"
#include "tests/host/TempRegistry.h"
#include "tests/ui/ui_test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {

using Dlg = CDlgGenVars;
constexpr int H = TSpread::kHeader;

TSpread& grid(CDialog& dialog, int id) {
    auto* spread = dynamic_cast<TSpread*>(dialog.GetDlgItem(id));
    EXPECT_NE(spread, nullptr) << "grid " << id;
    return *spread;
}

std::wstring cell(CDialog& dialog, int id, int col, int row) {
    std::wstring text;
    grid(dialog, id).SSGetData(col, row, text);
    return text;
}

// The rows of the column that one span joins, starting at row (1 when not joined).
int joinedRows(CDialog& dialog, int id, int row) {
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    const int kind = grid(dialog, id).SSGetCellSpan(1, row, anchorCol, anchorRow, cols, rows);
    return kind == TSpread::kSpanAnchor ? rows : 1;
}

TfAutoStandardsData sample() {
    TfAutoStandardsData data;
    data.dwgGenVars() = {L"gen_Coating", L"gen_Coating", L"gen_Hall"};
    data.dwgGenValues() = {L"Verzinkt", L"Gepoedercoat", L"A"};
    data.dwgGenFilters() = {L"Hal A\\", L"Hal B\\Luifel.dwg", L""};
    data.stdGenVars() = {L"gen_BoltGrade"};
    data.stdGenValues() = {L"10.9"};
    data.stdGenOverrides() = {L"1"};
    data.stdGenFilters() = {L""};
    return data;
}

class GenVarsDialogTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        gSettings.setWorkLanguage(Vdn_Settings::Dutch);
        gSettings.setLibDir(library.name(""));
        library.write("Macros/Hal A/Kolom.dwg", "x");
        library.write("Elders/Vloer.dwg", "x");
    }
    bool run(std::function<void(CDialog&, ui::UserActions&)> action) {
        user.expectModal(Dlg::IDD, std::move(action));
        return StartDlgGenVars(data);
    }

    SettingsRestorer restorer;
    TempRegistry registry;
    TempFolder library;
    TfAutoStandardsData data;
};

TEST_F(GenVarsDialogTest, AnEmptyRecordOpensWithOneEmptyRowInEachGridAndOkStoresNoEmptyRows) {
    EXPECT_TRUE(run([](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.GetWindowText(), L"Algemene variabelen");
        EXPECT_EQ(grid(shown, Dlg::kDwgGrid).SSGetMaxRows(), 1);
        EXPECT_EQ(grid(shown, Dlg::kStdGrid).SSGetMaxRows(), 1);
        EXPECT_EQ(grid(shown, Dlg::kDwgGrid).SSGetMaxCols(), 4);
        EXPECT_EQ(grid(shown, Dlg::kStdGrid).SSGetMaxCols(), 5);
        EXPECT_EQ(cell(shown, Dlg::kStdGrid, 3, H), L"Overschrijven");
        EXPECT_EQ(grid(shown, Dlg::kStdGrid).SSGetCellType(5, 1), grid::CellType::kTextButtonCode);
        auto* up = dynamic_cast<CButtonST*>(shown.GetDlgItem(Dlg::kDwgUp));
        ASSERT_NE(up, nullptr);
        EXPECT_EQ(up->GetTooltipText(), L"Rij omhoog");
        // Larger, the sheets take the room and the buttons keep to their sides.
        CRect window, sheet, ok, add;
        shown.GetWindowRect(&window);
        grid(shown, Dlg::kStdGrid).GetWindowRect(&sheet);
        shown.GetDlgItem(IDOK)->GetWindowRect(&ok);
        shown.GetDlgItem(Dlg::kStdAdd)->GetWindowRect(&add);
        ASSERT_TRUE(act.resize(window.Width() + 200, window.Height() + 100));
        CRect sheet2, ok2, add2;
        grid(shown, Dlg::kStdGrid).GetWindowRect(&sheet2);
        shown.GetDlgItem(IDOK)->GetWindowRect(&ok2);
        shown.GetDlgItem(Dlg::kStdAdd)->GetWindowRect(&add2);
        EXPECT_EQ(sheet2.Width(), sheet.Width() + 200);
        EXPECT_GT(sheet2.Height(), sheet.Height());
        EXPECT_EQ(ok2.TopLeft(), ok.TopLeft() + CPoint(0, 100));
        EXPECT_EQ(add2.left, add.left + 200);
        // Rows added and left empty are not variables.
        act.click(Dlg::kDwgAdd);
        act.click(Dlg::kStdAdd);
        EXPECT_EQ(grid(shown, Dlg::kStdGrid).SSGetMaxRows(), 2);
        act.click(IDOK);
    }));
    EXPECT_EQ(data, TfAutoStandardsData());
}

TEST_F(GenVarsDialogTest, OkStoresEveryRowThatHoldsTextInTheOrderShown) {
    data = sample();
    data.extras().add("comment", "\"kept\"");
    EXPECT_TRUE(run([](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(joinedRows(shown, Dlg::kDwgGrid, 1), 2); // gen_Coating shows once
        // A row with only a filter counts; the empty row added above it does not.
        act.clickCell(Dlg::kDwgGrid, 2, 3);
        act.click(Dlg::kDwgAdd);
        act.clickCell(Dlg::kDwgGrid, 3, 4);
        act.click(Dlg::kDwgAdd);
        act.typeInCell(Dlg::kDwgGrid, 3, 4, L"Hal C\\");
        // The second coating row moves below the hall: the join is gone.
        act.clickCell(Dlg::kDwgGrid, 2, 2);
        act.click(Dlg::kDwgDown);
        act.click(Dlg::kDwgDown);
        act.click(Dlg::kDwgDown);
        EXPECT_EQ(joinedRows(shown, Dlg::kDwgGrid, 1), 1);
        EXPECT_EQ(cell(shown, Dlg::kDwgGrid, 2, 5), L"Gepoedercoat");
        act.clickCell(Dlg::kStdGrid, 1, 1);
        act.click(Dlg::kStdRemove);
        act.click(Dlg::kStdAdd);
        act.typeInCell(Dlg::kStdGrid, 1, 1, L"gen_Weld");
        act.typeInCell(Dlg::kStdGrid, 2, 1, L"a5");
        act.click(IDOK);
    }));
    EXPECT_EQ(data.dwgGenVars(),
              (Vdn_StringArray{L"gen_Coating", L"", L"gen_Hall", L"gen_Coating"}));
    EXPECT_EQ(data.dwgGenValues(), (Vdn_StringArray{L"Verzinkt", L"", L"A", L"Gepoedercoat"}));
    EXPECT_EQ(data.dwgGenFilters(),
              (Vdn_StringArray{L"Hal A\\", L"Hal C\\", L"", L"Hal B\\Luifel.dwg"}));
    EXPECT_EQ(data.stdGenVars(), Vdn_StringArray{L"gen_Weld"});
    EXPECT_EQ(data.stdGenValues(), Vdn_StringArray{L"a5"});
    EXPECT_EQ(data.stdGenOverrides(), Vdn_StringArray{L""});
    EXPECT_EQ(data.stdGenFilters(), Vdn_StringArray{L""});
    ASSERT_NE(data.extras().find("comment"), nullptr);
}

TEST_F(GenVarsDialogTest, CancelLeavesTheRecordAsItWas) {
    data = sample();
    EXPECT_FALSE(run([this](CDialog&, ui::UserActions& act) {
        act.clickCell(Dlg::kDwgGrid, 1, 1);
        act.click(Dlg::kDwgRemove);
        act.click(Dlg::kDwgAdd);
        act.typeInCell(Dlg::kDwgGrid, 2, 1, L"Thermisch verzinkt");
        act.clickCell(Dlg::kStdGrid, 4, 1);
        user.expectFileDialog(library.name("Macros/Hal A/Kolom.dwg").str());
        act.clickCell(Dlg::kStdGrid, 5, 1);
        act.click(IDCANCEL);
    }));
    EXPECT_EQ(data, sample());
}

TEST_F(GenVarsDialogTest, TypingIntoAJoinedNameRenamesEveryRowItJoins) {
    data = sample();
    EXPECT_TRUE(run([](CDialog& shown, ui::UserActions& act) {
        act.typeInCell(Dlg::kDwgGrid, 1, 2, L"gen_Finish"); // the lower row of the join
        EXPECT_EQ(joinedRows(shown, Dlg::kDwgGrid, 1), 2);
        act.click(IDOK);
    }));
    EXPECT_EQ(data.dwgGenVars(), (Vdn_StringArray{L"gen_Finish", L"gen_Finish", L"gen_Hall"}));
}

TEST_F(GenVarsDialogTest, TheFilterButtonAddsOnlyNewPathsInsideTheMacrosFolder) {
    data = sample();
    const Vdn_String macros = library.name("Macros");
    EXPECT_TRUE(run([&](CDialog& shown, ui::UserActions& act) {
        // Cancelled: nothing changes.
        user.expectFileDialogCancel();
        act.clickCell(Dlg::kDwgGrid, 4, 2);
        EXPECT_EQ(cell(shown, Dlg::kDwgGrid, 3, 2), L"Hal B\\Luifel.dwg");
        user.expectFileDialog(std::vector<std::wstring>{
            (macros + L"/Hal A/Kolom.dwg").str(),            // inside
            library.name("Elders/Vloer.dwg").str(),          // outside
            (macros + L"/../Elders/Vloer.dwg").str(),        // outside, through ".."
            (macros.toUpper() + L"/hal b/luifel.DWG").str(), // there already (any case)
            (macros + L"/Hal A/Kolom.dwg").str(),            // chosen twice
            (macros + L"/Hal;D").str(),                      // would split the filter
            macros.str(),                                    // the folder itself
            (macros + L"\\Hal E\\").str()});                 // a folder, Windows style
        act.clickCell(Dlg::kDwgGrid, 4, 2);
        act.click(IDOK);
    }));
    EXPECT_EQ(data.dwgGenFilters()[1], Vdn_String(L"Hal B\\Luifel.dwg;Hal A\\Kolom.dwg;Hal E\\"));
    ASSERT_EQ(user.fileDialogs().size(), 2u);
    const ui::FileDialogRecord& asked = user.fileDialogs().back();
    EXPECT_EQ(asked.title, Dlg::kFilterTitle);
    EXPECT_EQ(asked.filter, L"AutoCAD Drawing (*.dwg)|*.dwg||");
    EXPECT_NE(asked.flags & OFN_ALLOWMULTISELECT, 0u);
    EXPECT_EQ(std::filesystem::path(asked.initialDir), library.path() / "Macros");
}

TEST(GenVarFilter, PathsBelowTheFolder) {
    struct Case {
        const wchar_t* path;
        const wchar_t* folder;
        std::optional<std::wstring> below;
    };
    const Case cases[] = {
        {L"c:\\lib\\Macros\\Hal A\\k.dwg", L"c:\\lib\\Macros\\", L"Hal A\\k.dwg"},
        {L"/lib/macros/a.dwg", L"/lib/Macros\\", L"a.dwg"},
        {L"/lib/Macros2/a.dwg", L"/lib/Macros\\", std::nullopt},
        {L"/lib/Macros", L"/lib/Macros\\", std::nullopt},
        {L"/lib/Macros/../a.dwg", L"/lib/Macros\\", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto below = genvars::pathBelowFolder(c.path, c.folder);
        EXPECT_EQ(below.has_value(), c.below.has_value()) << Vdn_String(c.path).toUtf8();
        if (below && c.below) {
            EXPECT_EQ(below->str(), *c.below);
        }
    }
    EXPECT_EQ(genvars::appendFilterPaths(L"a;;B\\c", {L"b/C", L"d", L"", L"e;f", L"d"}),
              Vdn_String(L"a;B\\c;d"));
}

} // namespace
