// The array dialog: filling from the record, the type's controls, entries, OK and Cancel, and
// the array's way back through the tab's update.
#include "macro/arrays/ArrayLaunchers.h"
#include "macro/arrays/CDlgArray.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/macro/ValueCycleFixture.h"

namespace {

using macrotest::ValueCycleTest;
using Dlg = CDlgArray;

std::wstring textOf(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->GetWindowText();
}

bool visible(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->IsWindowVisible() != FALSE;
}

class ArrayDialogTest : public ValueCycleTest {
protected:
    const Vdn_DynArray& modelArray() const { return boltModule().arrays[0]; }
};

TEST_F(ArrayDialogTest, ShowsTheArrayAndItsTypesControls) {
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(shown.GetWindowText(), dialString(20891).str() + L" (BoltRows)");
        EXPECT_EQ(textOf(shown, Dlg::kTypeCombo), dialString(20888).str());
        EXPECT_EQ(textOf(shown, Dlg::kDimCombos[0]), L"Rows");
        EXPECT_EQ(textOf(shown, Dlg::kDimCombos[1]), L"Gauge");
        auto* dims = dynamic_cast<CComboBox*>(shown.GetDlgItem(Dlg::kDimCombos[0]));
        EXPECT_EQ(dims->GetCount(), 4); // the bolt module's numeric variables
        EXPECT_EQ(textOf(shown, Dlg::kTexts[0]), L"80");
        EXPECT_EQ(textOf(shown, Dlg::kTexts[3]), L"120");
        EXPECT_EQ(textOf(shown, Dlg::kSpacingLabel), dialString(1467).str());
        EXPECT_FALSE(visible(shown, Dlg::kTypeText));
        EXPECT_EQ(shown.IsDlgButtonChecked(Dlg::kOption), 1u);
        act.selectComboItem(Dlg::kTypeCombo, 3);
        EXPECT_EQ(textOf(shown, Dlg::kSpacingLabel), dialString(20890).str());
        act.selectComboItem(Dlg::kTypeCombo, 1);
        EXPECT_TRUE(visible(shown, Dlg::kTypeText));
        EXPECT_FALSE(visible(shown, Dlg::kDimCombos[2]));
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(DlgMacroArray(*cycle, 0));
    EXPECT_EQ(modelArray().kind, 2);
    EXPECT_EQ(refreshes, 0);
}

// OK stores every control: the undetermined type and options keep the model's values, the
// entries come from the grid, a removed entry leaves the array and a number that does not
// read keeps the entry's number.
TEST_F(ArrayDialogTest, OkStoresTheControlsAndTheModelFollows) {
    user.expectModal(Dlg::IDD, [&](CDialog&, ui::UserActions& act) {
        act.selectComboItem(Dlg::kTypeCombo, 4);
        act.click(Dlg::kOption); // 1 -> 2: undetermined
        act.enterText(Dlg::kTexts[5], L"1");
        act.typeInCell(Dlg::kEntryGrid, Dlg::kNumberColumn, 1, L"x");
        act.typeInCell(Dlg::kEntryGrid, Dlg::kNameColumn, 3, L"Row D");
        act.clickCell(Dlg::kEntryGrid, Dlg::kNameColumn, 2);
        act.click(Dlg::kRemoveButton);
        act.click(IDOK);
    });
    EXPECT_TRUE(DlgMacroArray(*cycle, 0));
    EXPECT_EQ(modelArray().kind, 2);
    EXPECT_TRUE(modelArray().option);
    EXPECT_EQ(modelArray().furtherTexts[4], L"1");
    EXPECT_EQ(modelArray().entries, (Vdn_StringArray{L"Row A", L"Row D"}));
    EXPECT_EQ(modelArray().entryNumbers, (Vdn_Array<int>{1, 3}));
    EXPECT_EQ(refreshes, 1);
}

TEST_F(ArrayDialogTest, LauncherCopiesBackOnOkOnly) {
    DynArrayData array = bolts().arrays[0];
    const DynArrayData before = array;
    user.expectModal(Dlg::IDD, [](CDialog&, ui::UserActions& act) {
        act.selectComboItem(Dlg::kTypeCombo, 1);
        act.enterText(Dlg::kTypeText, L"5");
        act.click(IDCANCEL);
    });
    EXPECT_FALSE(StartArrayDlg(array, data.objectIds, array.name));
    EXPECT_EQ(array, before);
    user.expectModal(Dlg::IDD, [](CDialog&, ui::UserActions& act) {
        act.selectComboItem(Dlg::kTypeCombo, 1);
        act.enterText(Dlg::kTypeText, L"5");
        act.click(IDOK);
    });
    EXPECT_TRUE(StartArrayDlg(array, data.objectIds, array.name));
    EXPECT_EQ(array.kind, 1);
    EXPECT_EQ(array.texts[0], L"5");
    EXPECT_EQ(array.texts[2], L"Gauge"); // a hidden dimension keeps its name
}

TEST(ArrayRecord, GridRowNeverTakesAnIdABoundControlHolds) {
    DynArrayData array;
    array.buttonId = 33010;
    array.bindGridRow(4);
    EXPECT_EQ(array.buttonId, 33010);
    EXPECT_EQ(array.textIds[0], -4);
    DynArrayData unbound;
    unbound.bindGridRow(2);
    EXPECT_EQ(unbound.buttonId, -2);
    // Columns of another length than the entries change nothing.
    unbound.entries.append(DynArrayData::EntryProps{L"A"});
    EXPECT_FALSE(unbound.setEntryColumns({1, 2}, {true, false}, {L"A", L"B"}));
    EXPECT_EQ(unbound.entries[0].text, L"A");
    EXPECT_FALSE(unbound.setEntryAction(1, kEntryRemove));
}

} // namespace
