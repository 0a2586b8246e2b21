// Keys in dialogs: every key first passes PreTranslateMessage from the focus window up; then
// Tab / Shift+Tab move among the tab stops, Enter presses the default button, Escape cancels.

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/windows/WinApi.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using uitest::command;
using uitest::LoggingDialog;
using uitest::ScriptedUserTest;

int focusId() {
    CWnd* focus = CWnd::GetFocus();
    return focus ? focus->GetDlgCtrlID() : 0;
}

std::vector<int> tabWalk(ui::UserActions& act, int presses, unsigned modifiers) {
    std::vector<int> ids;
    for (int i = 0; i < presses; ++i) {
        act.pressKey(VK_TAB, modifiers);
        ids.push_back(focusId());
    }
    return ids;
}

class DialogKeysTest : public ScriptedUserTest {};

TEST_F(DialogKeysTest, TabWalksTheTabStopsInOrderAndWraps) {
    user.expectModal(60000, [](CDialog& dialog, ui::UserActions& act) {
        ASSERT_EQ(focusId(), 1001);
        EXPECT_EQ(tabWalk(act, 12, ui::NoModifier),
                  (std::vector<int>{1002, 1003, 1004, 1007, 1008, 1009, 1010, 1011, IDOK, IDCANCEL,
                                    1001, 1002}))
            << "statics, the radio group's other buttons and the NOT WS_TABSTOP edit are skipped";
        dialog.GotoDlgCtrl(dialog.GetDlgItem(1001));
        EXPECT_EQ(tabWalk(act, 3, ui::Shift), (std::vector<int>{IDCANCEL, IDOK, 1011}));
    });
    CDialog dialog(60000);
    dialog.DoModal();
}

TEST_F(DialogKeysTest, ARadioGroupIsEnteredAtItsCheckedButtonAndHiddenOrDisabledAreSkipped) {
    user.expectModal(60000, [](CDialog& dialog, ui::UserActions& act) {
        static_cast<CButton*>(dialog.GetDlgItem(1006))->SetCheck(BST_CHECKED);
        dialog.GetDlgItem(1003)->EnableWindow(FALSE);
        dialog.GetDlgItem(1008)->ShowWindow(SW_HIDE);
        EXPECT_EQ(tabWalk(act, 4, ui::NoModifier), (std::vector<int>{1002, 1006, 1007, 1009}));
        EXPECT_EQ(tabWalk(act, 3, ui::Shift), (std::vector<int>{1007, 1006, 1002}));
    });
    CDialog dialog(60000);
    dialog.DoModal();
}

TEST_F(DialogKeysTest, TabIntoAnEditSelectsItsText) {
    user.expectModal(60001, [](CDialog& dialog, ui::UserActions& act) {
        auto* edit = static_cast<CEdit*>(dialog.GetDlgItem(1101));
        edit->SetWindowText(L"abc");
        act.pressKey(VK_TAB);
        act.pressKey(VK_TAB);
        act.pressKey(VK_TAB);
        ASSERT_EQ(focusId(), 1101);
        int start = -1;
        int end = -1;
        edit->GetSel(start, end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 3);
        act.type(1101, L"xy");
        EXPECT_EQ(edit->GetWindowText(), L"xy") << "typing replaces the selection";
    });
    CDialog dialog(60001);
    dialog.DoModal();
}

TEST_F(DialogKeysTest, EnterPressesTheDefaultButtonOrTheFocusedPushButton) {
    user.expectModal(60000,
                     [](CDialog&, ui::UserActions& act) {
                         act.setFocus(1011);
                         act.pressKey(VK_RETURN); // presses "Nested...": a nested dialog
                         act.setFocus(1002);
                         act.pressKey(VK_RETURN); // the default button: OK
                     })
        .expectModal(60001, [](CDialog&, ui::UserActions& act) { act.pressKey(VK_ESCAPE); });
    LoggingDialog dialog;
    dialog.onCommand(1011, BN_CLICKED, [&dialog] { CDialog(60001, &dialog).DoModal(); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(DialogKeysTest, SetDefIdMovesTheDefaultAndADisabledDefaultTakesNothing) {
    user.expectModal(60000, [](CDialog& dialog, ui::UserActions& act) {
        dialog.SetDefID(IDCANCEL);
        EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(IDOK))->GetButtonStyle(),
                  static_cast<UINT>(BS_PUSHBUTTON));
        dialog.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
        act.setFocus(1001);
        act.pressKey(VK_RETURN);
        EXPECT_FALSE(dialog.hasEnded()) << "the default button is disabled";
        dialog.GetDlgItem(IDCANCEL)->EnableWindow(TRUE);
        act.pressKey(VK_RETURN);
        EXPECT_EQ(dialog.endResult(), IDCANCEL);
    });
    CDialog dialog(60000);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DialogKeysTest, EnterInAMultiLineEditWithWantReturnStaysInTheEdit) {
    user.expectModal(60000, [](CDialog& dialog, ui::UserActions& act) {
        act.type(1013, L"a");
        auto& logging = static_cast<LoggingDialog&>(dialog);
        logging.clearNotes();
        act.pressKey(VK_RETURN);
        act.type(1013, L"b");
        EXPECT_FALSE(dialog.hasEnded());
        EXPECT_EQ(dialog.GetDlgItem(1013)->GetWindowText(), L"a\r\nb");
        EXPECT_EQ(static_cast<CEdit*>(dialog.GetDlgItem(1013))->GetLineCount(), 2);
        EXPECT_EQ(logging.notes,
                  (std::vector<uitest::Note>{command(1013, EN_UPDATE), command(1013, EN_CHANGE),
                                             command(1013, EN_UPDATE), command(1013, EN_CHANGE)}));
        act.pressKey(VK_ESCAPE);
    });
    LoggingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// A dialog that keeps Enter for itself, and an edit that takes F3.
class KeyDialog : public CDialog {
public:
    KeyDialog() : CDialog(60000) {}
    std::vector<std::string> seen;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        finder.SubclassDlgItem(1001, this);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
            seen.push_back(std::string("dialog Enter") +
                           ((GetKeyState(VK_CONTROL) & 0x8000) ? " with Control" : ""));
            return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }

    class FindEdit : public CEdit {
    public:
        std::vector<std::string>* log = nullptr;
        BOOL PreTranslateMessage(MSG* msg) override {
            if (msg->message == WM_KEYDOWN && msg->wParam == VK_F3) {
                log->push_back((GetKeyState(VK_SHIFT) & 0x8000) ? "edit Shift+F3" : "edit F3");
                return TRUE;
            }
            return FALSE;
        }

    protected:
        void OnKeyDown(UINT key, UINT repeat, UINT flags) override {
            log->push_back("edit keydown " + std::to_string(key));
            CEdit::OnKeyDown(key, repeat, flags);
        }
    } finder;
};

TEST_F(DialogKeysTest, PreTranslateMessageSeesEveryKeyFromTheFocusUp) {
    user.expectModal(60000, [](CDialog& dialog, ui::UserActions& act) {
        auto& keys = static_cast<KeyDialog&>(dialog);
        keys.finder.log = &keys.seen;
        act.setFocus(1001);
        act.pressKey(VK_F3, ui::Shift);
        act.pressKey(VK_RETURN, ui::Control);
        act.pressKey(VK_F5);
        EXPECT_FALSE(dialog.hasEnded()) << "Enter was swallowed";
        EXPECT_EQ(GetKeyState(VK_SHIFT), 0) << "released after the press";
        EXPECT_EQ(keys.seen, (std::vector<std::string>{"edit Shift+F3", "dialog Enter with Control",
                                                       "edit keydown 116"}));
        act.pressKey(VK_ESCAPE);
    });
    KeyDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// A dialog with a child dialog (a page): the page's controls join the tab order.
class HostDialog : public CDialog {
public:
    HostDialog() : CDialog(60003) {}
    CDialog page{60002};
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        page.Create(60002, this);
        page.ShowWindow(SW_SHOW);
        return TRUE;
    }
};

TEST_F(DialogKeysTest, ControlsOfAChildDialogJoinTheTabOrder) {
    user.expectModal(60003, [](CDialog& dialog, ui::UserActions& act) {
        ASSERT_EQ(focusId(), 1301);
        EXPECT_EQ(tabWalk(act, 5, ui::NoModifier),
                  (std::vector<int>{IDOK, IDCANCEL, 1201, 1202, 1301}));
        act.setFocus(1201);
        act.pressKey(VK_RETURN);
        EXPECT_EQ(dialog.endResult(), IDOK) << "Enter on the page presses the dialog's OK";
    });
    HostDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

} // namespace
