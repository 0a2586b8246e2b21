// The look-up dialog: the query it shows, what OK and "Show All" store, and Cancel.
#include "dialogs/CDlgLookup.h"
#include "dialogs/GridLevelsLookUpEntries.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

CComboBox& comboOf(CDialog& shown, int id) {
    return *dynamic_cast<CComboBox*>(shown.GetDlgItem(id));
}

class LookupDialogTest : public uitest::ScriptedUserTest {
protected:
    void SetUp() override {
        query.text1 = L"K*";
        query.proposals1 = Vdn_StringArray{L"K1", L"K2"};
        query.text2 = L"HEA-200";
        query.proposals2 = Vdn_StringArray{L"HEA-200", L"IPE-300"};
        query.text5 = L"Kolommen";
        query.proposals5 = Vdn_StringArray{L"Kolommen", L"Liggers"};
        query.firstChoice = 1;
        query.secondChoice = 2;
        query.mode = 0;
        query.flag = true;
    }

    TfLookUpDlgData query;
};

TEST_F(LookupDialogTest, ShowsTheQueryAndStoresEveryControlOnOk) {
    user.expectModal(CDlgLookup::IDD, [](CDialog& shown, ui::UserActions& act) {
        CComboBox& first = comboOf(shown, CDlgLookup::kTextCombos[0]);
        EXPECT_EQ(first.GetWindowText(), L"K*");
        EXPECT_EQ(first.GetCount(), 2);
        EXPECT_EQ(comboOf(shown, CDlgLookup::kTextCombos[4]).GetLBText(1), L"Liggers");
        EXPECT_EQ(comboOf(shown, CDlgLookup::kMatchCombo).GetCurSel(), 1);
        EXPECT_EQ(comboOf(shown, CDlgLookup::kScopeCombo).GetCurSel(), 2);
        EXPECT_EQ(shown.IsDlgButtonChecked(CDlgLookup::kSelectRadio), 1u);
        // The flag replaces the selection: the box "add to the selection" is clear.
        EXPECT_EQ(shown.IsDlgButtonChecked(CDlgLookup::kAddToSelectionCheck), 0u);
        CWnd* check = shown.GetDlgItem(CDlgLookup::kAddToSelectionCheck);
        EXPECT_TRUE(check->IsWindowEnabled());
        act.click(CDlgLookup::kShowRadio);
        EXPECT_FALSE(check->IsWindowEnabled());
        act.click(CDlgLookup::kSelectRadio);
        EXPECT_TRUE(check->IsWindowEnabled());
        act.click(CDlgLookup::kAddToSelectionCheck);
        act.click(CDlgLookup::kShowRadio);

        act.typeInCombo(CDlgLookup::kTextCombos[0], L"L12");
        act.selectComboItem(CDlgLookup::kTextCombos[1], 1);
        act.typeInCombo(CDlgLookup::kTextCombos[2], L"S355");
        act.typeInCombo(CDlgLookup::kTextCombos[3], L"2");
        act.typeInCombo(CDlgLookup::kTextCombos[4], L"");
        act.selectComboItem(CDlgLookup::kMatchCombo, 0);
        act.selectComboItem(CDlgLookup::kScopeCombo, 1);
        act.click(IDOK);
    });
    ASSERT_TRUE(StartDlgLookUp(query));
    EXPECT_EQ(query.text1, Vdn_String(L"L12"));
    EXPECT_EQ(query.text2, Vdn_String(L"IPE-300"));
    EXPECT_EQ(query.text3, Vdn_String(L"S355"));
    EXPECT_EQ(query.text4, Vdn_String(L"2"));
    EXPECT_EQ(query.text5, Vdn_String(L""));
    EXPECT_EQ(query.proposals1, (Vdn_StringArray{L"K1", L"K2"})); // proposals are not edited
    EXPECT_EQ(query.firstChoice, 0);
    EXPECT_EQ(query.secondChoice, 1);
    EXPECT_EQ(query.mode, 1);
    EXPECT_FALSE(query.flag); // the box was ticked (while it could be)
    EXPECT_EQ(query.resultCode, CDlgLookup::kResultOk);
}

// "Show All" stores the controls too and ends with OK and result code 2; an index the combos
// cannot show is kept as it came.
TEST_F(LookupDialogTest, ShowAllStoresTheQueryWithItsOwnResultCode) {
    query.secondChoice = 7;
    query.mode = 1;
    query.resultCode = 0;
    user.expectModal(CDlgLookup::IDD, [](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(comboOf(shown, CDlgLookup::kScopeCombo).GetCurSel(), CB_ERR);
        EXPECT_FALSE(shown.GetDlgItem(CDlgLookup::kAddToSelectionCheck)->IsWindowEnabled());
        act.typeInCombo(CDlgLookup::kTextCombos[2], L"S235");
        act.click(CDlgLookup::kShowAllButton);
    });
    ASSERT_TRUE(StartDlgLookUp(query));
    EXPECT_EQ(query.resultCode, CDlgLookup::kResultShowAll);
    EXPECT_EQ(query.text3, Vdn_String(L"S235"));
    EXPECT_EQ(query.text1, Vdn_String(L"K*"));
    EXPECT_EQ(query.secondChoice, 7);
    EXPECT_EQ(query.mode, 1);
    EXPECT_TRUE(query.flag);
}

TEST_F(LookupDialogTest, CancelLeavesTheQuery) {
    const TfLookUpDlgData before = query;
    user.expectModal(CDlgLookup::IDD, [](CDialog&, ui::UserActions& act) {
        act.typeInCombo(CDlgLookup::kTextCombos[0], L"changed");
        act.click(CDlgLookup::kShowRadio);
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(StartDlgLookUp(query));
    EXPECT_EQ(query, before);
}

} // namespace
