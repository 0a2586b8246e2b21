// The grid dialog: the record it shows and gives back, and the counts it refuses.
#include "dialogs/CDlgGrid.h"
#include "dialogs/GridLevelsLookUpEntries.h"
#include "platform/ui/windows/WinConstants.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

class GridDialogTest : public uitest::ScriptedUserTest {};

TEST_F(GridDialogTest, ShowsTheRecordAndGivesBackWhatWasTyped) {
    user.expectModal(CDlgGrid::IDD, [](CDialog& shown, ui::UserActions& act) {
        // A default record: 4 lines from "A" and 3 from "1", both at 5000.
        EXPECT_EQ(shown.GetDlgItem(CDlgGrid::kFirstCount)->GetWindowText(), L"4");
        EXPECT_EQ(shown.GetDlgItem(CDlgGrid::kFirstSpacing)->GetWindowText(), L"5000");
        EXPECT_EQ(shown.GetDlgItem(CDlgGrid::kFirstLabel)->GetWindowText(), L"A");
        EXPECT_EQ(shown.GetDlgItem(CDlgGrid::kSecondCount)->GetWindowText(), L"3");
        EXPECT_EQ(shown.GetDlgItem(CDlgGrid::kSecondSpacing)->GetWindowText(), L"5000");
        EXPECT_EQ(shown.GetDlgItem(CDlgGrid::kSecondLabel)->GetWindowText(), L"1");
        EXPECT_EQ(shown.IsDlgButtonChecked(CDlgGrid::kOptionCheck), 0u);
        act.enterText(CDlgGrid::kFirstCount, L" 12 ");
        act.enterText(CDlgGrid::kFirstSpacing, L"2*6000 7200");
        act.enterText(CDlgGrid::kSecondCount, L"0");
        act.enterText(CDlgGrid::kSecondLabel, L"10");
        act.click(CDlgGrid::kOptionCheck);
        act.click(IDOK);
    });
    TfGridDlgData data;
    ASSERT_TRUE(StartDlgGrid(data));
    TfGridDlgData expected;
    expected.firstCount = 12;
    expected.firstSpacing = L"2*6000 7200";
    expected.secondCount = 0;
    expected.secondLabel = L"10";
    expected.optionFlag = true;
    EXPECT_EQ(data, expected);
}

// A count that is no whole number from 0 to 1000 is named, gets the focus and keeps the
// dialog open; nothing of the record changes until every count is right.
TEST_F(GridDialogTest, RefusesCountsThatAreNoWholeNumbersInRange) {
    const std::vector<std::pair<int, std::wstring>> refused = {
        {CDlgGrid::kFirstCount, L"-1"},
        {CDlgGrid::kFirstCount, L"abc"},
        {CDlgGrid::kFirstCount, L""},
        {CDlgGrid::kFirstCount, L"3.5"},
        {CDlgGrid::kFirstCount, L"4 lines"},
        {CDlgGrid::kSecondCount, L"1001"},
        {CDlgGrid::kSecondCount, L"99999999999"},
        {CDlgGrid::kSecondCount, L"-0x10"},
    };
    user.expectModal(CDlgGrid::IDD, [&](CDialog& shown, ui::UserActions& act) {
        for (const auto& [edit, text] : refused) {
            act.enterText(edit, text);
            user.expectMessageBox(IDOK);
            act.click(IDOK);
            EXPECT_FALSE(shown.hasEnded()) << core::TextCodec::encodeUtf8(text);
            EXPECT_EQ(CWnd::GetFocus(), shown.GetDlgItem(edit));
            act.enterText(edit, L"2");
        }
        act.click(IDOK);
    });
    TfGridDlgData data;
    ASSERT_TRUE(StartDlgGrid(data));
    EXPECT_EQ(data.firstCount, 2);
    EXPECT_EQ(data.secondCount, 2);
    ASSERT_EQ(user.messageBoxes().size(), refused.size());
    const ui::MessageBoxRecord& first = user.messageBoxes()[0];
    EXPECT_EQ(first.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_NE(first.text.find(L"\"-1\""), std::wstring::npos);
    EXPECT_NE(user.messageBoxes()[5].text.find(L"\"1001\""), std::wstring::npos);
}

TEST_F(GridDialogTest, CancelLeavesTheRecord) {
    user.expectModal(CDlgGrid::IDD, [](CDialog&, ui::UserActions& act) {
        act.enterText(CDlgGrid::kFirstCount, L"9");
        act.enterText(CDlgGrid::kFirstLabel, L"X");
        act.click(IDCANCEL);
    });
    TfGridDlgData data;
    data.firstSpacing = L"6000";
    const TfGridDlgData before = data;
    EXPECT_FALSE(StartDlgGrid(data));
    EXPECT_EQ(data, before);
}

} // namespace
