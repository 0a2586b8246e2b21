#include "platform/grid/sheet/Sheet.h"
#include "tests/dialogs/FormulaFixture.h"

#include <gtest/gtest.h>
#include <string>

using namespace formulatest;

namespace {

// A dialog of mode 0 on a test sheet (or the blank sheet) whose user does `act`.
class FormulaButtons : public FormulaTest {
protected:
    void run(const wchar_t* file, const std::function<void(CFormula&, ui::UserActions&)>& act) {
        CFormula dialog;
        if (file != nullptr)
            dialog.filePath = table(file);
        user.expectModal(CFormula::IDD, [&act](CDialog& shown, ui::UserActions& actions) {
            host::CommandLine::instance().clear();
            act(dynamic_cast<CFormula&>(shown), actions);
            actions.click(IDCANCEL);
        });
        dialog.DoModal();
    }
    static Vdn_StringArray firstColumn(const CFormula& dialog) {
        Vdn_StringArray texts;
        for (int row = 1; row <= 5; ++row)
            texts.append(cell(dialog.sheet, 1, row));
        return texts;
    }
};

TEST_F(FormulaButtons, StyleButtonsShowTheFormulasOfColumn4InTheirStyle) {
    run(L"styles.tfs", [](CFormula& dialog, ui::UserActions& act) {
        act.click(CFormula::kStyleR1C1Radio);
        EXPECT_EQ(firstColumn(dialog),
                  (Vdn_StringArray{L"RC[-2]*2", L"SUM(R[-1]C[-2]:R[-1]C[-1])", L"R1C2+R[-1]C[-1]",
                                   L"R[-3]C[-2]&\"x\"", L"keep"}));
        act.click(CFormula::kStyleA1Radio);
        const Vdn_StringArray a1{L"B1*2", L"SUM(B1:C1)", L"$B$1+C2", L"B1&\"x\"", L"keep"};
        EXPECT_EQ(firstColumn(dialog), a1);
        EXPECT_EQ(dialog.sheet.sheet().referenceStyle(), grid::ReferenceStyle::A1);
        act.click(CFormula::kStyleDefaultRadio);
        EXPECT_EQ(firstColumn(dialog), a1);
        EXPECT_EQ(dialog.sheet.sheet().referenceStyle(), grid::ReferenceStyle::Default);
    });
}

TEST_F(FormulaButtons, EmptyFormulasClearRows1To4ButNotRow5) {
    run(L"styles.tfs", [](CFormula& dialog, ui::UserActions& act) {
        dialog.sheet.SSSetFormula(4, 2, L"");
        dialog.sheet.SSSetFormula(4, 5, L"");
        dialog.sheet.setCellText(1, 5, L"row five");
        act.click(CFormula::kStyleA1Radio);
        EXPECT_EQ(cell(dialog.sheet, 1, 2), L"");
        EXPECT_EQ(cell(dialog.sheet, 1, 5), L"row five");
        dialog.sheet.SSSetFormula(4, 5, L"C1-B1");
        act.click(CFormula::kStyleA1Radio);
        EXPECT_EQ(cell(dialog.sheet, 1, 5), L"C1-B1");
    });
}

TEST_F(FormulaButtons, ALongFormulaIsCopiedWholeAndColumn1FitsTheWidestText) {
    run(L"styles.tfs", [](CFormula& dialog, ui::UserActions& act) {
        std::wstring longFormula = L"B1";
        while (longFormula.size() < 600)
            longFormula += L"+B1";
        ASSERT_TRUE(dialog.sheet.SSSetFormula(4, 3, longFormula));
        act.click(CFormula::kStyleA1Radio);
        EXPECT_EQ(cell(dialog.sheet, 1, 3), longFormula);
        int width = 0;
        int height = 0;
        ASSERT_TRUE(dialog.sheet.SSGetMaxTextCellSize(1, 3, width, height));
        int column = 0;
        ASSERT_TRUE(dialog.sheet.SSGetColWidthInPixels(1, column));
        EXPECT_EQ(column, width);

        dialog.sheet.SSSetFormula(4, 3, L"B1");
        act.click(CFormula::kStyleR1C1Radio);
        ASSERT_TRUE(dialog.sheet.SSGetMaxTextCellSize(1, 2, width, height));
        ASSERT_TRUE(dialog.sheet.SSGetColWidthInPixels(1, column));
        EXPECT_EQ(column, width) << "SUM(R[-1]C[-2]:R[-1]C[-1]) is the widest now";
    });
}

TEST_F(FormulaButtons, SaveWritesTheSheetWithItsFormatsAndReportsFailure) {
    run(nullptr, [](CFormula& dialog, ui::UserActions& act) {
        dialog.sheet.setCellText(2, 2, L"3.5");
        dialog.sheet.SSSetFormula(2, 3, L"B2*2");
        act.enterText(CFormula::kFilePathEdit, L"c:\\out\\saved.tfs");
        act.click(CFormula::kSaveButton);
        EXPECT_EQ(printed(), L"");
        act.enterText(CFormula::kFilePathEdit, L"c:\\nofolder\\deeper\\saved.tfs");
        act.click(CFormula::kSaveButton);
        EXPECT_EQ(printed(), L"Save failed\n");
    });
    Vdn_String firstCell;
    Vdn_StringArray headers;
    Vdn_Array<Vdn_StringArray> rows;
    CFormula reader;
    reader.mode = CFormula::kModeReadFile;
    reader.filePath = L"c:\\out\\saved.tfs";
    reader.headers = &headers;
    reader.rows = &rows;
    EXPECT_EQ(reader.DoModal(), IDOK);
    ASSERT_EQ(rows.length(), 10);
    // Number cells with 2 decimals: the cell types were saved too.
    EXPECT_EQ(rows[1][1], L"3.50");
    EXPECT_EQ(rows[2][1], L"7.00");
}

TEST_F(FormulaButtons, LoadReplacesTheSheetOrReportsFailureAndKeepsIt) {
    run(nullptr, [](CFormula& dialog, ui::UserActions& act) {
        dialog.sheet.setCellText(1, 1, L"5");
        for (const wchar_t* name : {L"c:\\tables\\damaged.tfs", L"c:\\tables\\nothere.tfs"}) {
            act.enterText(CFormula::kFilePathEdit, name);
            act.click(CFormula::kLoadButton);
            EXPECT_EQ(cell(dialog.sheet, 1, 1), L"5.00");
        }
        EXPECT_EQ(printed(), L"Load failed\nLoad failed\n");
        EXPECT_EQ(dialog.IsDlgButtonChecked(CFormula::kAutoCalculateCheck), BST_UNCHECKED);

        act.enterText(CFormula::kFilePathEdit, L"c:\\tables\\profiles.tfs");
        act.click(CFormula::kLoadButton);
        EXPECT_EQ(cell(dialog.sheet, 1, 1), L"IPE 200");
        EXPECT_EQ(printed(), L"Load failed\nLoad failed\n");
        // The file calculates automatically, and the box says so.
        EXPECT_EQ(dialog.IsDlgButtonChecked(CFormula::kAutoCalculateCheck), BST_CHECKED);
        EXPECT_FALSE(dialog.GetDlgItem(CFormula::kRecalculateButton)->IsWindowEnabled());
    });
}

TEST_F(FormulaButtons, FromTableWorksOnALoadedSheet) {
    run(nullptr, [this](CFormula& dialog, ui::UserActions& act) {
        act.enterText(CFormula::kFilePathEdit, L"c:\\tables\\small.tfs");
        act.click(CFormula::kLoadButton);
        user.expectModal(CFormula::IDD,
                         [](CDialog&, ui::UserActions& inner) { inner.click(IDOK); });
        EXPECT_TRUE(dialog.sheet.SSSetFormula(1, 2, L"FROMTABLE(\"c:\\tables\\profiles.tfs\",D1)"));
        EXPECT_EQ(cell(dialog.sheet, 1, 2), L"1");
    });
}

TEST_F(FormulaButtons, AutoCalculateSwitchesTheSheetAndRecalculateIsForManualMode) {
    run(nullptr, [](CFormula& dialog, ui::UserActions& act) {
        CWnd* recalculate = dialog.GetDlgItem(CFormula::kRecalculateButton);
        dialog.sheet.setCellText(2, 1, L"2");
        ASSERT_TRUE(dialog.sheet.SSSetFormula(3, 1, L"B1*3"));
        dialog.sheet.setCellText(2, 1, L"5");
        EXPECT_EQ(cell(dialog.sheet, 3, 1), L"6.00");
        act.click(CFormula::kRecalculateButton);
        EXPECT_EQ(cell(dialog.sheet, 3, 1), L"15.00");

        act.click(CFormula::kAutoCalculateCheck);
        EXPECT_TRUE(dialog.sheet.SSGetBool(CFormula::kOptionAutoCalculate));
        EXPECT_FALSE(recalculate->IsWindowEnabled());
        dialog.sheet.setCellText(2, 1, L"1");
        EXPECT_EQ(cell(dialog.sheet, 3, 1), L"3.00");

        act.click(CFormula::kAutoCalculateCheck);
        EXPECT_FALSE(dialog.sheet.SSGetBool(CFormula::kOptionAutoCalculate));
        EXPECT_TRUE(recalculate->IsWindowEnabled());
    });
}

} // namespace
