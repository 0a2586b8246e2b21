// The advanced bolt dialog: filling, entries, validation, applying through the tab's update.
#include "macro/bolts/CDlgMacroBoltAdv.h"
#include "platform/core/model/BoltCatalog.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/macro/ValueCycleFixture.h"

namespace {

using macrotest::ValueCycleTest;
using Dlg = CDlgMacroBoltAdv;

std::wstring textOf(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->GetWindowText();
}

bool enabled(CDialog& shown, int id) {
    return shown.GetDlgItem(id)->IsWindowEnabled() != FALSE;
}

class BoltAdvDialogTest : public ValueCycleTest {
protected:
    void open() {
        DlgMacroBoltAdv(cycle.get(), *bolts().getBoltData(), GetMergedDiameters(data, L"Bolts"));
    }
    const BoltDetails& details() const { return boltModule().boltData.details; }
};

TEST_F(BoltAdvDialogTest, ShowsTheBoltDataAndOneEntryAtATime) {
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        EXPECT_EQ(textOf(shown, Dlg::kAssemblyCombo), L"M HV 8.8");
        EXPECT_EQ(textOf(shown, Dlg::kDiameterCombo), L"20");
        EXPECT_EQ(textOf(shown, 1103), L"60");
        EXPECT_TRUE(enabled(shown, Dlg::kFlag));
        EXPECT_EQ(shown.IsDlgButtonChecked(Dlg::kFlag), 1u);
        EXPECT_EQ(textOf(shown, Dlg::kFlag), dialString(20856).str());
        // Options a bolt lacks (-1) are disabled; the others show their state.
        EXPECT_FALSE(enabled(shown, Dlg::kOptionalOptions[1]));
        EXPECT_EQ(shown.IsDlgButtonChecked(Dlg::kOptionalOptions[2]), 1u);
        EXPECT_EQ(textOf(shown, Dlg::kOptionalOptions[4]), dialString(20865).str() + L" 2");
        auto* entries = dynamic_cast<CComboBox*>(shown.GetDlgItem(Dlg::kEntryCombo));
        ASSERT_EQ(entries->GetCount(), 3);
        EXPECT_EQ(entries->GetLBText(2), dialString(20866).str() + L" nr: 3");
        EXPECT_EQ(textOf(shown, 1119), L"40");
        // Entry 2 has selection -1: the list's last item.
        act.selectComboItem(Dlg::kEntryCombo, 1);
        EXPECT_EQ(textOf(shown, Dlg::kEntryList), dialString(20873).str());
        // Entry 3 is not active: its texts cannot be edited.
        act.selectComboItem(Dlg::kEntryCombo, 2);
        EXPECT_FALSE(enabled(shown, 1119));
        EXPECT_EQ(textOf(shown, 1125), L"spare");
        act.click(IDCANCEL);
    });
    open();
    EXPECT_EQ(refreshes, 0);
}

// Only active entries are checked; an invalid one blocks Enter and OK with the message that
// names it, keeps the input and applies nothing.
TEST_F(BoltAdvDialogTest, InvalidActiveEntryBlocksApplyingAndInactiveOnesAreNotChecked) {
    const Vdn_String message =
        dialString(20866) + L" 2 " + dialString(20875) + L"\n\n" + dialString(888) + L".";
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.selectComboItem(Dlg::kEntryCombo, 1);
        act.enterText(1118, L"0");
        user.expectMessageBox(IDOK, message.str(), std::wstring(Dlg::kInvalidCaption));
        act.pressKey(VK_RETURN);
        user.expectMessageBox(IDOK);
        act.click(IDOK);
        EXPECT_FALSE(shown.hasEnded());
        EXPECT_EQ(textOf(shown, 1118), L"0");
        EXPECT_EQ(refreshes, 0);
        // Entry 3 (inactive, empty distances) does not stop the corrected data.
        act.enterText(1118, L"75");
        act.pressKey(VK_RETURN);
        EXPECT_FALSE(shown.hasEnded());
        EXPECT_EQ(details().entries[1].texts[1], L"75");
        act.click(IDOK);
    });
    open();
    EXPECT_EQ(user.messageBoxes().size(), 2u);
    EXPECT_EQ(user.messageBoxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
}

// Without a count the flag is disabled and its stored value stays as it is; a hole number
// that does not read keeps the number it had.
TEST_F(BoltAdvDialogTest, CountOfZeroLeavesTheFlagAndBadNumbersKeepTheirValue) {
    MacroBoltData boltData = *bolts().getBoltData();
    boltData.details.count = 0;
    boltData.details.flag = true;
    ASSERT_TRUE(cycle->applyBoltData(boltData));
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        EXPECT_FALSE(enabled(shown, Dlg::kFlag));
        EXPECT_EQ(shown.IsDlgButtonChecked(Dlg::kFlag), 0u);
        EXPECT_EQ(textOf(shown, Dlg::kFlag), dialString(20857).str());
        act.typeInCell(Dlg::kHoleGrid, 1, 2, L"two");
        act.typeInCell(Dlg::kHoleGrid, 2, 2, L"24");
        act.typeInCell(Dlg::kHoleGrid, 1, 3, L"3");
        act.typeInCell(Dlg::kHoleGrid, 2, 3, L"26");
        act.click(IDOK);
    });
    open();
    EXPECT_TRUE(details().flag);
    EXPECT_EQ(details().holeColumnNumbers, (Vdn_Array<int>{1, 2, 3}));
    EXPECT_EQ(details().holeColumnTexts, (Vdn_StringArray{L"22", L"24", L"26"}));
}

TEST_F(BoltAdvDialogTest, AnAssemblyRefillsTheDiametersKeepingTheTypedOne) {
    user.expectModal(Dlg::IDD, [&](CDialog& shown, ui::UserActions& act) {
        act.selectComboText(Dlg::kAssemblyCombo, L"M 4.6");
        auto* diameters = dynamic_cast<CComboBox*>(shown.GetDlgItem(Dlg::kDiameterCombo));
        EXPECT_EQ(diameters->GetCount(), 3);
        EXPECT_EQ(textOf(shown, Dlg::kDiameterCombo), L"20");
        act.click(IDOK);
    });
    open();
    EXPECT_EQ(boltModule().boltData.assembly, L"M 4.6");
}

TEST_F(BoltAdvDialogTest, WithoutAnOwnerNothingIsApplied) {
    const MacroBoltData boltData = *bolts().getBoltData();
    user.expectModal(Dlg::IDD, [&](CDialog&, ui::UserActions& act) {
        act.enterText(1103, L"99");
        act.pressKey(VK_RETURN);
        act.click(IDOK);
    });
    DlgMacroBoltAdv(nullptr, boltData, Vdn_StringArray{L"20"});
    EXPECT_EQ(details().texts[0], L"60");
}

} // namespace
