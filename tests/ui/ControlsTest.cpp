// Controls: item lists and their search rules, check states, and the notifications of user
// actions (exactly once, in order) against programmatic setters (never).

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using uitest::command;
using uitest::LoggingDialog;
using uitest::Note;
using uitest::notify;

// A modeless test dialog shown on screen, with the user acting on it directly.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create(60000));
        dialog.ShowWindow(SW_SHOW);
        dialog.clearNotes();
    }
    template <class T> T& item(int id) { return *dynamic_cast<T*>(dialog.GetDlgItem(id)); }

    LoggingDialog dialog;
    ui::UserActions act{dialog};
};

struct FindCase {
    const char* name;
    int startAfter;
    const wchar_t* text;
    bool exact;
    int expected;
};

class FindStringTest : public ::testing::TestWithParam<FindCase> {};

// Items: 0 "Apple", 1 "apricot", 2 "Banana", 3 "apple pie", 4 "APPLE".
TEST_P(FindStringTest, ComboAndListBoxSearchLikeWin32) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, L"Parent", L"", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0));
    CComboBox combo;
    CListBox list;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN, CRect(0, 0, 90, 90), &parent, 1));
    ASSERT_TRUE(list.Create(WS_CHILD, CRect(0, 0, 90, 90), &parent, 2));
    for (const wchar_t* text : {L"Apple", L"apricot", L"Banana", L"apple pie", L"APPLE"}) {
        combo.AddString(text);
        list.AddString(text);
    }
    const FindCase& c = GetParam();
    EXPECT_EQ(c.exact ? combo.FindStringExact(c.startAfter, c.text)
                      : combo.FindString(c.startAfter, c.text),
              c.expected);
    EXPECT_EQ(c.exact ? list.FindStringExact(c.startAfter, c.text)
                      : list.FindString(c.startAfter, c.text),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindStringTest,
    ::testing::Values(FindCase{"PrefixFromStart", -1, L"ap", false, 0},
                      FindCase{"PrefixIgnoresCase", -1, L"BAN", false, 2},
                      FindCase{"PrefixAfterStart", 0, L"ap", false, 1},
                      FindCase{"PrefixWrapsAround", 4, L"ap", false, 0},
                      FindCase{"StartAfterOwnMatchFindsNext", 1, L"apri", false, 1},
                      FindCase{"PrefixLongerThanItems", -1, L"apple pie and more", false, -1},
                      FindCase{"ExactIgnoresCase", -1, L"apple", true, 0},
                      FindCase{"ExactAfterStartFindsLaterEqual", 0, L"apple", true, 4},
                      FindCase{"ExactNotPrefix", -1, L"appl", true, -1},
                      FindCase{"StartOutsideListMeansFromFirst", 99, L"Banana", true, 2},
                      FindCase{"NoMatch", -1, L"cherry", false, -1}),
    [](const ::testing::TestParamInfo<FindCase>& info) { return info.param.name; });

TEST(ComboBox, SortedInsertionSelectionAndItemData) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, L"Parent", L"", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0));
    CComboBox combo;
    ASSERT_TRUE(
        combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 90, 90), &parent, 1));
    EXPECT_EQ(combo.AddString(L"pear"), 0);
    EXPECT_EQ(combo.AddString(L"Apple"), 0);
    EXPECT_EQ(combo.AddString(L"banana"), 1);
    EXPECT_EQ(combo.InsertString(-1, L"aardvark"), 3) << "InsertString never sorts";
    combo.SetItemData(1, 22);
    EXPECT_EQ(combo.SetCurSel(2), 2);
    EXPECT_EQ(combo.GetWindowText(), L"pear") << "a drop list shows its selection";
    EXPECT_EQ(combo.DeleteString(0), 3);
    EXPECT_EQ(combo.GetCurSel(), 1) << "the selection follows its item";
    EXPECT_EQ(combo.GetItemData(0), 22U);
    EXPECT_EQ(combo.GetItemData(9), static_cast<DWORD_PTR>(CB_ERR));
    EXPECT_EQ(combo.SelectString(-1, L"zzz"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 1) << "no match leaves the selection";
    EXPECT_EQ(combo.SetCurSel(7), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), -1) << "an index outside the list clears the selection";
    EXPECT_EQ(combo.GetWindowText(), L"");
    std::wstring text = L"stale";
    combo.GetLBText(5, text);
    EXPECT_EQ(text, L"");
}

TEST_F(ControlsTest, ProgrammaticSettersNeverNotify) {
    item<CEdit>(1001).SetWindowText(L"abc");
    item<CEdit>(1001).ReplaceSel(L"d");
    item<CButton>(1002).SetCheck(BST_CHECKED);
    dialog.CheckRadioButton(1004, 1006, 1005);
    item<CComboBox>(1007).SetCurSel(1);
    item<CComboBox>(1008).SetWindowText(L"typed");
    item<CListBox>(1009).SetSel(1, TRUE);
    item<CTabCtrl>(1010).SetCurSel(1);
    dialog.SetDlgItemText(1001, L"x");
    EXPECT_TRUE(dialog.notes.empty());
    EXPECT_EQ(dialog.IsDlgButtonChecked(1005), 1U);
}

TEST_F(ControlsTest, TypingIntoAnEditNotifiesOnceAfterTheFocusNotifications) {
    act.setFocus(1008);
    dialog.clearNotes();
    act.type(1001, L"IPE");
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{command(1008, CBN_KILLFOCUS), command(1001, EN_SETFOCUS),
                                 command(1001, EN_UPDATE), command(1001, EN_CHANGE)}));
    dialog.clearNotes();
    act.type(1001, L"");
    EXPECT_TRUE(dialog.notes.empty()) << "typing nothing changes nothing";
    act.click(IDCANCEL);
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{command(1001, EN_KILLFOCUS), command(IDCANCEL, BN_CLICKED)}));
}

TEST_F(ControlsTest, EditLimitReadOnlyAndSelection) {
    auto& edit = item<CEdit>(1001);
    edit.LimitText(5);
    act.type(1001, L"abcdefgh");
    EXPECT_EQ(edit.GetWindowText(), L"abcde");
    edit.SetSel(1, 3);
    act.type(1001, L"XYZ");
    EXPECT_EQ(edit.GetWindowText(), L"aXYde") << "the selection is replaced within the limit";
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 3);
    act.enterText(1001, L"new\r\nline");
    EXPECT_EQ(edit.GetWindowText(), L"new") << "a single-line edit stops at a line break";
    edit.SetReadOnly(TRUE);
    dialog.clearNotes();
    EXPECT_FALSE(act.type(1001, L"more"));
    EXPECT_EQ(edit.GetWindowText(), L"new");
    EXPECT_TRUE(dialog.notes.empty());
}

TEST_F(ControlsTest, AutoRadioButtonsCheckOneOfTheirGroup) {
    act.click(1005);
    act.click(1006);
    EXPECT_EQ(item<CButton>(1004).GetCheck(), 0);
    EXPECT_EQ(item<CButton>(1005).GetCheck(), 0);
    EXPECT_EQ(item<CButton>(1006).GetCheck(), 1);
    EXPECT_EQ(item<CButton>(1003).GetCheck(), 0) << "the 3-state box is outside the group";
    dialog.clearNotes();
    act.click(1006);
    EXPECT_EQ(dialog.notes, (std::vector<Note>{command(1006, BN_CLICKED)}))
        << "clicking the checked radio still reports the click";
    dialog.clearNotes();
    act.doubleClick(1005);
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{command(1005, BN_CLICKED), command(1005, BN_DOUBLECLICKED),
                                 command(1005, BN_CLICKED)}));
}

TEST_F(ControlsTest, CheckBoxesFollowTheirAutoBehaviour) {
    std::vector<int> threeState;
    for (int i = 0; i < 4; ++i) {
        act.click(1003);
        threeState.push_back(item<CButton>(1003).GetCheck());
    }
    EXPECT_EQ(threeState, (std::vector<int>{1, 2, 0, 1}));
    act.click(1002);
    act.click(1002);
    EXPECT_EQ(item<CButton>(1002).GetCheck(), 0);
    dialog.clearNotes();
    act.doubleClick(1002);
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{command(1002, BN_CLICKED), command(1002, BN_CLICKED)}))
        << "no BN_DOUBLECLICKED without BS_NOTIFY";

    CButton manual;
    ASSERT_TRUE(manual.Create(L"manual", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, CRect(0, 0, 9, 9),
                              &dialog, 2001));
    dialog.clearNotes();
    act.click(2001);
    EXPECT_EQ(manual.GetCheck(), 0) << "a plain check box leaves the state to its dialog";
    EXPECT_EQ(dialog.notes, (std::vector<Note>{command(2001, BN_CLICKED)}));
    manual.SetCheck(BST_INDETERMINATE);
    EXPECT_EQ(manual.GetCheck(), 1) << "two states only";
    EXPECT_FALSE(act.click(1011 + 1000)) << "no such control";
}

TEST_F(ControlsTest, PushLikeCheckBoxIsStillACheckBox) {
    CButton toggle;
    ASSERT_TRUE(toggle.Create(L"toggle", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE,
                              CRect(0, 0, 9, 9), &dialog, 2002));
    act.click(2002);
    EXPECT_EQ(toggle.GetCheck(), 1);
    EXPECT_FALSE(toggle.isPushButton());
}

TEST_F(ControlsTest, ComboSelectionByTheUserNotifiesInWin32Order) {
    act.selectComboText(1007, L"banana");
    EXPECT_EQ(item<CComboBox>(1007).GetCurSel(), 1);
    EXPECT_EQ(item<CComboBox>(1007).GetItemData(1), 2U);
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{command(1007, CBN_SETFOCUS), command(1007, CBN_DROPDOWN),
                                 command(1007, CBN_SELENDOK), command(1007, CBN_CLOSEUP),
                                 command(1007, CBN_SELCHANGE)}));
    dialog.clearNotes();
    act.typeInCombo(1008, L"UNP 100");
    EXPECT_EQ(item<CComboBox>(1008).GetWindowText(), L"UNP 100");
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{command(1007, CBN_KILLFOCUS), command(1008, CBN_SETFOCUS),
                                 command(1008, CBN_EDITUPDATE), command(1008, CBN_EDITCHANGE)}));
    EXPECT_FALSE(act.typeInCombo(1007, L"x")) << "a drop list has no edit";
    EXPECT_FALSE(act.selectComboItem(1007, 3));
}

TEST_F(ControlsTest, ListBoxSelectionKinds) {
    auto& extended = item<CListBox>(1009);
    act.selectListItem(1009, 0);
    act.selectListItem(1009, 2, ui::Shift);
    int selected[8] = {};
    ASSERT_EQ(extended.GetSelItems(8, selected), 3);
    act.selectListItem(1009, 1, ui::Control);
    ASSERT_EQ(extended.GetSelItems(8, selected), 2);
    EXPECT_EQ(selected[0], 0);
    EXPECT_EQ(selected[1], 2);
    act.selectListItem(1009, 1);
    EXPECT_EQ(extended.GetSelCount(), 1);
    dialog.clearNotes();
    act.doubleClickListItem(1009, 2);
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{command(1009, LBN_SELCHANGE), command(1009, LBN_DBLCLK)}));

    CListBox single;
    ASSERT_TRUE(single.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &dialog, 2003));
    single.AddString(L"one");
    single.AddString(L"two");
    act.setFocus(2003);
    dialog.clearNotes();
    act.selectListItem(2003, 1);
    EXPECT_EQ(single.GetCurSel(), 1);
    EXPECT_EQ(single.SetSel(0, TRUE), LB_ERR) << "single selection";
    EXPECT_TRUE(dialog.notes.empty()) << "no notifications without LBS_NOTIFY";
}

TEST_F(ControlsTest, TabSelectionAsksFirstAndMayBeRefused) {
    auto& tabs = item<CTabCtrl>(1010);
    ASSERT_EQ(tabs.GetItemCount(), 2);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    TCITEM tab;
    tab.mask = TCIF_TEXT | TCIF_PARAM;
    ASSERT_TRUE(tabs.GetItem(1, &tab));
    EXPECT_EQ(tab.pszText, L"Profiles");
    EXPECT_EQ(tab.lParam, 20);

    act.selectTab(1010, 1);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{notify(1010, TCN_SELCHANGING), notify(1010, TCN_SELCHANGE),
                                 notify(1010, NM_CLICK)}));
    dialog.clearNotes();
    dialog.refuseTabChange = 1;
    act.selectTab(1010, 0);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{notify(1010, TCN_SELCHANGING), notify(1010, NM_CLICK)}));
    EXPECT_TRUE(tabs.DeleteItem(1));
    EXPECT_EQ(tabs.GetCurSel(), -1);
    CRect rect(0, 0, 100, 100);
    tabs.AdjustRect(FALSE, &rect);
    EXPECT_EQ(rect, CRect(4, 24, 96, 96));
    tabs.AdjustRect(TRUE, &rect);
    EXPECT_EQ(rect, CRect(0, 0, 100, 100));
}

TEST_F(ControlsTest, AKillFocusHandlerThatRefocusesKeepsTheFocus) {
    // The usual validation: leaving an empty name edit puts the user back into it.
    dialog.onCommand(1001, EN_KILLFOCUS, [this] {
        if (dialog.GetDlgItem(1001)->GetWindowTextLength() == 0) {
            dialog.GetDlgItem(1001)->SetFocus();
        }
    });
    act.setFocus(1001);
    dialog.clearNotes();
    act.click(1002);
    EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(1001));
    EXPECT_EQ(dialog.notes,
              (std::vector<Note>{command(1001, EN_KILLFOCUS), command(1001, EN_SETFOCUS)}))
        << "the button lost the focus while pressed: its click is lost, as in Win32";
    EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(1002))->GetCheck(), 0);
    act.type(1001, L"n");
    act.click(1002);
    EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(1002));
}

TEST(ListBox, SortedItemsAndSelectionFollowDeletes) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, L"Parent", L"", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_SORT, CRect(0, 0, 90, 90), &parent, 1));
    for (const wchar_t* text : {L"delta", L"Alpha", L"charlie", L"bravo"}) {
        list.AddString(text);
    }
    std::wstring text;
    EXPECT_EQ(list.GetText(1, text), 5);
    EXPECT_EQ(text, L"bravo");
    EXPECT_EQ(list.SelectString(-1, L"CH"), 2);
    EXPECT_EQ(list.DeleteString(0), 3);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.DeleteString(1), 2);
    EXPECT_EQ(list.GetCurSel(), LB_ERR) << "the selected item is gone";
    EXPECT_EQ(list.GetText(7, text), LB_ERR);
    EXPECT_EQ(text, L"");
    EXPECT_EQ(list.GetSelCount(), LB_ERR) << "single selection";
}

TEST(ComboBox, DropDownEditTextFollowsSelectionAndReset) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, L"Parent", L"", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN, CRect(0, 0, 90, 90), &parent, 1));
    combo.AddString(L"IPE 200");
    combo.AddString(L"HEA 300");
    combo.SetCurSel(1);
    EXPECT_EQ(combo.GetWindowText(), L"HEA 300");
    combo.SetWindowText(L"own text");
    EXPECT_EQ(combo.GetWindowText(), L"own text") << "a drop-down's edit holds any text";
    EXPECT_EQ(combo.GetCurSel(), 1);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetWindowText(), L"") << "reset empties the edit as well";
    EXPECT_EQ(combo.DeleteString(0), CB_ERR);
    EXPECT_EQ(combo.InsertString(3, L"x"), CB_ERR);
}

TEST_F(ControlsTest, PictureControlHoldsItsBitmap) {
    CStatic picture;
    ASSERT_TRUE(picture.Create(L"", WS_CHILD | SS_BITMAP, CRect(0, 0, 10, 10), &dialog, 2004));
    const auto handle = reinterpret_cast<HBITMAP>(std::uintptr_t{0x1234});
    EXPECT_EQ(picture.SetBitmap(handle), nullptr);
    EXPECT_EQ(picture.GetBitmap(), handle);
}

} // namespace
