#include "dialogs/FormulaEntries.h"
#include "tests/dialogs/FormulaFixture.h"

#include <gtest/gtest.h>

using namespace formulatest;

namespace {

using ReadSSFileTest = FormulaTest;
using FormulaDialogTest = FormulaTest;

TEST_F(ReadSSFileTest, ReadsHeadersAndFormattedRowsWithoutShowingTheDialog) {
    Vdn_String firstCell = L"stale";
    Vdn_StringArray headers{L"stale"};
    Vdn_Array<Vdn_StringArray> rows{Vdn_StringArray{L"stale"}};
    EXPECT_TRUE(ReadSSFile(table(L"small.tfs"), firstCell, headers, rows));

    EXPECT_EQ(headers, (Vdn_StringArray{L"Profile", L"Height", L"Mass"}));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0], (Vdn_StringArray{L"IPE 200", L"200", L"22.40"}));
    EXPECT_EQ(rows[1], (Vdn_StringArray{L"HEA 100", L"96", L"16.70"}));
    EXPECT_EQ(firstCell, rows[0][0]);
    EXPECT_TRUE(user.modals().empty());
    EXPECT_EQ(printed(), L"Loading spreadsheet:c:\\tables\\small.tfs\n");
}

TEST_F(ReadSSFileTest, AFileThatCannotBeLoadedGivesEmptyResults) {
    for (const wchar_t* name : {L"missing.tfs", L"damaged.tfs"}) {
        SCOPED_TRACE(Vdn_String(name).toUtf8());
        Vdn_String firstCell = L"stale";
        Vdn_StringArray headers{L"stale"};
        Vdn_Array<Vdn_StringArray> rows{Vdn_StringArray{L"stale"}};
        EXPECT_FALSE(ReadSSFile(table(name), firstCell, headers, rows));
        // Not the blank 8 x 10 sheet the dialog starts from.
        EXPECT_TRUE(headers.isEmpty());
        EXPECT_TRUE(rows.isEmpty());
        EXPECT_TRUE(firstCell.isEmpty());
    }
    EXPECT_EQ(printed(), L"Loading spreadsheet:c:\\tables\\missing.tfs\n"
                         L"Loading spreadsheet:c:\\tables\\damaged.tfs\n");
}

TEST_F(ReadSSFileTest, WithoutListsNothingIsRead) {
    CFormula dialog;
    dialog.mode = CFormula::kModeReadFile;
    dialog.filePath = table(L"small.tfs");
    Vdn_StringArray headers{L"untouched"};
    dialog.headers = &headers;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.fileLoaded);
    EXPECT_EQ(headers, (Vdn_StringArray{L"untouched"}));
    EXPECT_TRUE(dialog.firstCell.isEmpty());
}

TEST_F(FormulaDialogTest, ShowsTheFileAndReadsTheCellOfMode1) {
    CFormula dialog;
    dialog.mode = CFormula::kModeShowCell;
    dialog.filePath = table(L"small.tfs");
    dialog.cellColumn = 3;
    dialog.cellRow = 2;
    user.expectModal(CFormula::IDD, [](CDialog& shown, ui::UserActions& act) {
        auto& formula = dynamic_cast<CFormula&>(shown);
        EXPECT_EQ(formula.GetWindowText(), L"Formulas");
        int col = 0;
        int row = 0;
        EXPECT_TRUE(formula.sheet.SSGetActiveCell(col, row));
        EXPECT_EQ(std::pair(col, row), std::pair(3, 2));
        std::wstring path;
        formula.GetDlgItemText(CFormula::kFilePathEdit, path);
        EXPECT_EQ(path, L"c:\\tables\\small.tfs");
        EXPECT_EQ(gCurrentFormulaSheet, nullptr);
        act.click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.fileLoaded);
    EXPECT_EQ(dialog.cellText, L"16.70");
}

TEST_F(FormulaDialogTest, StartsFromABlankSheetWithNumberCells) {
    CFormula dialog;
    user.expectModal(CFormula::IDD, [](CDialog& shown, ui::UserActions& act) {
        auto& formula = dynamic_cast<CFormula&>(shown);
        Vdn_Spread& sheet = formula.sheet;
        EXPECT_EQ(sheet.GetDlgCtrlID(), CFormula::kSheetPlaceholder);
        EXPECT_EQ(sheet.GetParent(), &formula);
        EXPECT_EQ(std::pair(sheet.maxCols(), sheet.maxRows()), std::pair(8, 10));
        EXPECT_TRUE(sheet.SSGetBool(CFormula::kOption12));
        EXPECT_FALSE(sheet.SSGetBool(CFormula::kOptionAutoCalculate));
        EXPECT_EQ(formula.IsDlgButtonChecked(CFormula::kStyleDefaultRadio), BST_CHECKED);
        EXPECT_EQ(formula.IsDlgButtonChecked(CFormula::kStyleR1C1Radio), BST_UNCHECKED);
        EXPECT_EQ(formula.IsDlgButtonChecked(CFormula::kAutoCalculateCheck), BST_UNCHECKED);
        EXPECT_TRUE(formula.GetDlgItem(CFormula::kRecalculateButton)->IsWindowEnabled());
        // Cells 1..6 of rows 1..6 take numbers of 2 decimals within -9999..9999.
        EXPECT_EQ(sheet.cellType(6, 6), grid::CellType::kNumberCode);
        EXPECT_EQ(sheet.cellType(7, 1), grid::CellType::kGeneralCode);
        EXPECT_EQ(sheet.cellType(1, 7), grid::CellType::kGeneralCode);
        EXPECT_TRUE(sheet.setCellText(2, 3, L"12.345"));
        EXPECT_EQ(cell(sheet, 2, 3), L"12.35");
        EXPECT_FALSE(sheet.setCellText(2, 3, L"10000"));
        EXPECT_FALSE(sheet.setCellText(2, 3, L"text"));
        act.click(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.fileLoaded);
    EXPECT_EQ(printed(), L"Loading spreadsheet:\n");
}

TEST_F(FormulaDialogTest, EvaluateSSOpensTheFixedFileEvenWhenItIsMissing) {
    user.expectModal(CFormula::IDD, [](CDialog& shown, ui::UserActions& act) {
        auto& formula = dynamic_cast<CFormula&>(shown);
        EXPECT_EQ(formula.mode, CFormula::kModeShowCell);
        EXPECT_EQ(std::pair(formula.sheet.maxCols(), formula.sheet.maxRows()), std::pair(8, 10));
        act.click(IDOK);
    });
    EvaluateSS();
    EXPECT_EQ(printed(), L"Loading spreadsheet:c:\\a\\t3.sss\n");
}

} // namespace
