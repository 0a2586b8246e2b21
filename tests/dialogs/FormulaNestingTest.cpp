#include "dialogs/FormulaEntries.h"
#include "platform/ui/users/NonInteractiveUser.h"
#include "platform/ui/users/UserScope.h"
#include "tests/dialogs/FormulaFixture.h"

#include <gtest/gtest.h>

using namespace formulatest;

namespace {

using FromTableNesting = FormulaTest;

CFormula& formulaOf(CDialog& dialog) {
    return dynamic_cast<CFormula&>(dialog);
}

// c:\a\t3.sss looks up A1 of chain.tfs, whose A1 looks up C3 of profiles.tfs: loading t3
// computes its formula, which opens a look-up dialog on chain.tfs, whose loading opens one on
// profiles.tfs. Each stays open until the user closes it, innermost first.
TEST_F(FromTableNesting, LookUpsNestOneDialogPerLevelAndRestoreTheFormulaSheet) {
    provideT3("t3.tfs");
    Vdn_Spread* innerCaller = nullptr;
    Vdn_Spread* middleCaller = nullptr;
    user.expectModal(CFormula::IDD,
                     [&](CDialog& shown, ui::UserActions& act) {
                         CFormula& inner = formulaOf(shown);
                         EXPECT_EQ(inner.mode, CFormula::kModeLookup);
                         EXPECT_EQ(cell(inner.sheet, 1, 3), L"UNP 80");
                         innerCaller = inner.callingSheet;
                         EXPECT_EQ(gCurrentFormulaSheet, innerCaller);
                         act.click(IDOK);
                     })
        .expectModal(CFormula::IDD,
                     [&](CDialog& shown, ui::UserActions& act) {
                         CFormula& middle = formulaOf(shown);
                         EXPECT_EQ(innerCaller, &middle.sheet);
                         EXPECT_EQ(cell(middle.sheet, 2, 1), L"from the profiles");
                         EXPECT_EQ(cell(middle.sheet, 1, 1), L"8.64");
                         middleCaller = middle.callingSheet;
                         EXPECT_EQ(gCurrentFormulaSheet, middleCaller);
                         act.click(IDCANCEL);
                     })
        .expectModal(CFormula::IDD, [&](CDialog& shown, ui::UserActions& act) {
            CFormula& outer = formulaOf(shown);
            EXPECT_EQ(middleCaller, &outer.sheet);
            EXPECT_EQ(outer.callingSheet, nullptr);
            EXPECT_EQ(gCurrentFormulaSheet, nullptr);
            EXPECT_EQ(outer.cellText, L"12.50");
            EXPECT_EQ(cell(outer.sheet, 2, 1), L"8.64");
            act.click(IDOK);
        });
    EvaluateSS();
    ASSERT_EQ(user.modals().size(), 3u);
    EXPECT_EQ(user.modals()[0].result, IDOK);
    EXPECT_EQ(user.modals()[1].result, IDCANCEL);
    EXPECT_EQ(printed(), L"Loading spreadsheet:\n"
                         L"Loading spreadsheet:\n"
                         L"Result is double: 8.640000\n"
                         L"Result is string: 8.64\n"
                         L"Loading spreadsheet:c:\\a\\t3.sss\n");
}

// loop_a looks up B2 of loop_b, which looks up loop_a (spelled differently) again: that would load
// loop_a once more and so on without end, so the inner look-up is refused.
TEST_F(FromTableNesting, ALookUpOfAFileHigherUpTheChainIsRefused) {
    user.expectModal(CFormula::IDD,
                     [](CDialog& shown, ui::UserActions& act) {
                         CFormula& lookup = formulaOf(shown);
                         EXPECT_EQ(cell(lookup.sheet, 2, 2, 1),
                                   L"FROMTABLE(\"C:\\Tables\\LOOP_A.TFS\",A1)");
                         EXPECT_EQ(cell(lookup.sheet, 2, 2), L"");
                         act.click(IDOK);
                     })
        .expectModal(CFormula::IDD, [](CDialog& shown, ui::UserActions& act) {
            EXPECT_EQ(cell(formulaOf(shown).sheet, 1, 1), L"");
            act.click(IDOK);
        });
    CFormula dialog;
    dialog.mode = CFormula::kModeShowCell;
    dialog.filePath = table(L"loop_a.tfs");
    dialog.cellColumn = 1;
    dialog.cellRow = 1;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.modals().size(), 2u);
    EXPECT_NE(
        printed().find(L"FROMTABLE refused, already being looked up:C:\\Tables\\LOOP_A.TFS\n"),
        std::wstring::npos);
}

TEST_F(FromTableNesting, ASheetLookingUpItselfOpensNoDialog) {
    Vdn_String firstCell;
    Vdn_StringArray headers;
    Vdn_Array<Vdn_StringArray> rows;
    EXPECT_TRUE(ReadSSFile(L"C:\\TABLES\\Loop_Self.tfs", firstCell, headers, rows));
    EXPECT_TRUE(user.modals().empty());
    EXPECT_EQ(firstCell, L"");
    ASSERT_EQ(rows.length(), 1);
    EXPECT_EQ(rows[0], (Vdn_StringArray{L"", L"never looked up"}));
    EXPECT_EQ(printed(), L"FROMTABLE refused, already being looked up:c:\\tables\\loop_self.tfs\n"
                         L"Loading spreadsheet:C:\\TABLES\\Loop_Self.tfs\n");
}

TEST_F(FromTableNesting, LookUpsOneAfterAnotherAndClosedDialogsAreNoLoop) {
    CFormula earlier;
    earlier.filePath = table(L"profiles.tfs");
    user.expectModal(CFormula::IDD, [](CDialog&, ui::UserActions& act) { act.click(IDOK); });
    EXPECT_EQ(earlier.DoModal(), IDOK);

    CFormula dialog;
    dialog.mode = CFormula::kModeShowCell;
    user.expectModal(CFormula::IDD,
                     [](CDialog& shown, ui::UserActions& act) {
                         Vdn_Spread& sheet = formulaOf(shown).sheet;
                         EXPECT_TRUE(sheet.SSSetFormula(
                             7, 1, L"FROMTABLE(\"c:\\tables\\profiles.tfs\",C2)"));
                         EXPECT_TRUE(sheet.SSSetFormula(
                             7, 2, L"FROMTABLE(\"c:\\tables\\profiles.tfs\",A3)"));
                         EXPECT_EQ(cell(sheet, 7, 1), L"16.7");
                         EXPECT_EQ(cell(sheet, 7, 2), L"UNP 80");
                         act.click(IDOK);
                     })
        .expectModal(CFormula::IDD, [](CDialog&, ui::UserActions& act) { act.click(IDOK); })
        .expectModal(CFormula::IDD, [](CDialog&, ui::UserActions& act) { act.click(IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(printed().find(L"refused"), std::wstring::npos);
}

// After its initialisation a dialog of mode 1 has no calling sheet; a formula the developer
// enters still has this dialog's sheet as its calling sheet.
TEST_F(FromTableNesting, AFormulaWritesIntoItsOwnSheetThroughTheThirdArgument) {
    CFormula dialog;
    dialog.mode = CFormula::kModeShowCell;
    user.expectModal(CFormula::IDD,
                     [](CDialog& shown, ui::UserActions& act) {
                         Vdn_Spread& sheet = formulaOf(shown).sheet;
                         EXPECT_EQ(gCurrentFormulaSheet, nullptr);
                         EXPECT_TRUE(sheet.SSSetFormula(
                             7, 1, L"FROMTABLE(\"c:\\tables\\profiles.tfs\",C2,B5)"));
                         EXPECT_EQ(cell(sheet, 7, 1), L"");
                         EXPECT_EQ(cell(sheet, 2, 5), L"16.70");
                         EXPECT_EQ(gCurrentFormulaSheet, nullptr);
                         act.click(IDOK);
                     })
        .expectModal(CFormula::IDD, [&dialog](CDialog& shown, ui::UserActions& act) {
            EXPECT_EQ(formulaOf(shown).callingSheet, &dialog.sheet);
            act.click(IDOK);
        });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(FromTableNesting, AnUnattendedRunStillLooksUp) {
    provideT3("t3.tfs");
    ui::NonInteractiveUser nobody;
    ui::UserScope unattended(nobody);
    EvaluateSS();
    EXPECT_EQ(printed(), L"Loading spreadsheet:\n"
                         L"Loading spreadsheet:\n"
                         L"Result is double: 8.640000\n"
                         L"Result is string: 8.64\n"
                         L"Loading spreadsheet:c:\\a\\t3.sss\n");
}

} // namespace
