// Dialogs from templates run by the scripted user: modal runs, results, nested dialogs, the
// script's failure reports, modeless dialogs and missing templates.

#include "platform/ui/controls/CEdit.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/dialogs/TemplateLibrary.h"
#include "platform/ui/users/NonInteractiveUser.h"
#include "platform/ui/windows/Diagnostics.h"
#include "platform/ui/windows/WinApi.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

using uitest::command;
using uitest::LoggingDialog;
using uitest::Note;
using uitest::ScriptedUserTest;

class DialogTest : public ScriptedUserTest {};

TEST_F(DialogTest, TemplateBecomesAWindowWithControlsInDialogUnits) {
    user.expectModal(60000, [](CDialog& dialog, ui::UserActions&) {
        EXPECT_EQ(dialog.GetWindowText(), L"Window system test");
        CRect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client, CRect(0, 0, 390, 293)) << "260 x 180 dialog units";
        CWnd* edit = dialog.GetDlgItem(1001);
        ASSERT_NE(dynamic_cast<CEdit*>(edit), nullptr);
        CRect rect;
        edit->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        EXPECT_EQ(rect, CRect(75, 11, 225, 34)) << "50,7 100x14";
        EXPECT_EQ(edit->GetStyle() & (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER),
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER);
        ASSERT_NE(edit->GetFont(), nullptr);
        EXPECT_EQ(edit->GetFont()->faceName(), L"MS Shell Dlg");
        EXPECT_EQ(edit->GetFont()->pointSize(), 8);
        EXPECT_FALSE(dialog.GetDlgItem(1012)->IsWindowVisible()) << "NOT WS_VISIBLE";
        EXPECT_EQ(CWnd::GetFocus(), edit) << "the first tab stop has the focus";
        EXPECT_TRUE(dialog.IsWindowVisible());
    });
    CDialog dialog(60000);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "the script did not close it";
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    ASSERT_EQ(user.modals().size(), 1U);
    EXPECT_EQ(user.modals()[0].templateName, L"DLG_UI_TEST");
    EXPECT_EQ(user.modals()[0].result, IDCANCEL);
}

TEST_F(DialogTest, OkButtonEndsWithIdOkAndTheOwnerIsDisabledMeanwhile) {
    CWnd owner;
    ASSERT_TRUE(
        owner.CreateEx(0, L"Owner", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 500, 400), nullptr, 0));
    ui::setMainWindow(&owner);
    user.expectModal(60001, [&](CDialog&, ui::UserActions& act) {
        EXPECT_FALSE(owner.IsWindowEnabled()) << "modal: the owner is disabled";
        EXPECT_TRUE(act.enterText(1101, L"typed"));
        EXPECT_TRUE(act.click(IDOK));
    });
    CDialog dialog(60001);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(owner.IsWindowEnabled());
    ui::setMainWindow(nullptr);
}

class EndsInInitDialog : public CDialog {
public:
    EndsInInitDialog() : CDialog(60001) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        EndDialog(77);
        return TRUE;
    }
};

TEST_F(DialogTest, DialogEndingInOnInitDialogNeverReachesTheUser) {
    EndsInInitDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_TRUE(user.modals().empty());
}

TEST_F(DialogTest, MissingTemplateFailsWithMinusOneAndADiagnostic) {
    ui::Diagnostics::clear();
    CDialog byId(59999);
    EXPECT_EQ(byId.DoModal(), -1);
    CDialog byName(L"DLG_NOT_THERE");
    EXPECT_FALSE(byName.Create(L"DLG_NOT_THERE"));
    ASSERT_EQ(ui::Diagnostics::messages().size(), 2U);
    EXPECT_EQ(ui::Diagnostics::messages()[0], L"dialog template 59999 not found");
    EXPECT_EQ(ui::Diagnostics::messages()[1], L"dialog template \"DLG_NOT_THERE\" not found");
    EXPECT_TRUE(user.modals().empty());
}

TEST_F(DialogTest, TemplateNameFindsTheTemplate) {
    user.expectModal(60001, [](CDialog&, ui::UserActions& act) { act.click(IDOK); });
    CDialog dialog(L"DLG_UI_TEST_NESTED");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.templateId(), 60001U);
}

// A button handler opens a second modal dialog; both are scripted.
class OuterDialog : public LoggingDialog {
public:
    OuterDialog() {
        onCommand(1011, BN_CLICKED, [this] {
            CDialog nested(60001, this);
            nestedResult = static_cast<int>(nested.DoModal());
            SetDlgItemText(1001, L"after nested");
        });
    }
    int nestedResult = 0;
};

TEST_F(DialogTest, NestedModalDialogsFromAButtonHandler) {
    user.expectModal(60000,
                     [](CDialog& dialog, ui::UserActions& act) {
                         EXPECT_TRUE(act.click(1011));
                         EXPECT_EQ(dialog.GetDlgItem(1001)->GetWindowText(), L"after nested");
                         EXPECT_TRUE(act.click(IDOK));
                     })
        .expectModal(60001, [](CDialog& nested, ui::UserActions& act) {
            EXPECT_FALSE(nested.GetParent()->IsWindowEnabled()) << "the outer dialog waits";
            EXPECT_TRUE(act.enterText(1101, L"x"));
            EXPECT_TRUE(act.pressKey(VK_RETURN));
        });
    OuterDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.nestedResult, IDOK);
    ASSERT_EQ(user.modals().size(), 2U);
    EXPECT_EQ(user.modals()[1].templateId, 60001U);
}

TEST_F(DialogTest, CloseBoxReachesOnCancel) {
    user.expectModal(60001, [](CDialog&, ui::UserActions& act) { EXPECT_TRUE(act.close()); });
    CDialog dialog(60001);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

class RegisteredOkDialog : public CDialog {
public:
    RegisteredOkDialog() : CDialog(60001) {
        onCommand(IDOK, BN_CLICKED, [this] { ++okClicks; });
    }
    int okClicks = 0;
};

TEST_F(DialogTest, ARegisteredHandlerForIdOkReplacesOnOK) {
    user.expectModal(60001, [](CDialog& dialog, ui::UserActions& act) {
        EXPECT_TRUE(act.click(IDOK));
        EXPECT_FALSE(dialog.hasEnded()) << "the handler does not end the dialog";
    });
    RegisteredOkDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.okClicks, 1);
}

TEST(ScriptedUserFailures, UnexpectedAndUnconsumedAreReportedAndTheCodeStillFinishes) {
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    const std::wstring line = L" [DialogTest.cpp:" + std::to_wstring(__LINE__ + 1) + L"]";
    user.expectMessageBox(IDYES).expectModal(60000);

    CDialog dialog(60001);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "unexpected: cancelled";
    EXPECT_EQ(AfxMessageBox(L"Go on?", MB_YESNO), IDYES) << "the expectation stayed queued";
    EXPECT_FALSE(user.verify());
    ASSERT_EQ(user.failures().size(), 2U);
    EXPECT_EQ(user.failures()[0], L"unexpected dialog DLG_UI_TEST_NESTED (60001) \"Nested\" "
                                  L"while expecting a message box answered with IDYES" +
                                      line);
    EXPECT_EQ(user.failures()[1], L"expected modal dialog 60000" + line + L", which never came");
    EXPECT_FALSE(user.modals()[0].expected);
}

TEST(ScriptedUserFailures, ActionsOnMissingOrDisabledControlsAreFailures) {
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    user.expectModal(60000, [](CDialog& dialog, ui::UserActions& act) {
        EXPECT_FALSE(act.click(4242));
        dialog.GetDlgItem(1002)->EnableWindow(FALSE);
        EXPECT_FALSE(act.click(1002));
        EXPECT_FALSE(act.type(1002, L"x"));
        EXPECT_FALSE(act.click(1012)) << "hidden";
        EXPECT_FALSE(act.selectComboText(4242, L"x"));
        EXPECT_FALSE(act.selectComboItem(1011, 0)) << "a button";
    });
    CDialog dialog(60000);
    dialog.DoModal();
    EXPECT_FALSE(user.verify());
    ASSERT_EQ(user.failures().size(), 6U);
    EXPECT_EQ(user.failures()[4].substr(user.failures()[4].find(L": ") + 2),
              L"cannot select in control 4242: there is no such control");
    EXPECT_EQ(user.failures()[5].substr(user.failures()[5].find(L": ") + 2),
              L"cannot select in control 1011: it is not a combo box");
    EXPECT_EQ(user.failures()[0], L"dialog DLG_UI_TEST (60000) \"Window system test\": cannot "
                                  L"click control 4242: there is no such control");
    EXPECT_EQ(user.failures()[1].substr(user.failures()[1].find(L": ") + 2),
              L"cannot click control 1002: it is disabled");
    EXPECT_EQ(user.failures()[3].substr(user.failures()[3].find(L": ") + 2),
              L"cannot click control 1012: it is hidden");
}

class StubbornDialog : public CDialog {
public:
    StubbornDialog() : CDialog(60001) {}
    void OnCancel() override {}
};

TEST(ScriptedUserFailures, ADialogThatRefusesToCloseIsEndedAndReported) {
    ui::ScriptedUser user;
    ui::UserScope scope(user);
    user.expectModal(60001);
    StubbornDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(user.failures().size(), 1U);
    EXPECT_NE(user.failures()[0].find(L"did not close when cancelled"), std::wstring::npos);
}

TEST_F(DialogTest, ModalDialogsMatchByClassOrPredicate) {
    user.expectModal<OuterDialog>([](OuterDialog& dialog, ui::UserActions& act) {
            dialog.nestedResult = 5;
            act.click(IDCANCEL);
        })
        .expectModalIf(
            L"the nested dialog",
            [](const CDialog& d) { return d.templateName() == L"DLG_UI_TEST_NESTED"; },
            [](CDialog&, ui::UserActions& act) { act.click(IDOK); });
    OuterDialog outer;
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(outer.nestedResult, 5);
    CDialog nested(60001);
    EXPECT_EQ(nested.DoModal(), IDOK);
}

class PostingDialog : public CDialog {
public:
    PostingDialog() : CDialog(60001) {
        onMessage(WM_USER + 5, [this](WPARAM, LPARAM) -> LRESULT {
            SetDlgItemText(1101, L"posted from OnInitDialog");
            return 0;
        });
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostMessage(WM_USER + 5);
        return TRUE;
    }
};

TEST_F(DialogTest, MessagesPostedInOnInitDialogArriveBeforeTheUserActs) {
    user.expectModal(60001, [](CDialog& dialog, ui::UserActions& act) {
        EXPECT_EQ(dialog.GetDlgItem(1101)->GetWindowText(), L"posted from OnInitDialog");
        act.click(IDOK);
    });
    PostingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(DialogTest, NextAndPreviousControlAndTheDefaultId) {
    user.expectModal(60001, [](CDialog& dialog, ui::UserActions&) {
        EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), 1101);
        dialog.NextDlgCtrl();
        EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDOK);
        dialog.PrevDlgCtrl();
        dialog.PrevDlgCtrl();
        EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDCANCEL);
        EXPECT_EQ(dialog.GetNextDlgTabItem(dialog.GetDlgItem(IDCANCEL)), dialog.GetDlgItem(1101));
        EXPECT_EQ(LOWORD(dialog.GetDefID()), IDOK);
        EXPECT_EQ(HIWORD(dialog.GetDefID()), 0x534B) << "DC_HASDEFID";
    });
    CDialog dialog(60001);
    dialog.DoModal();
}

TEST(NonInteractiveUser, CancelsModalDialogs) {
    ui::NonInteractiveUser nobody;
    ui::UserScope scope(nobody);
    CDialog dialog(60000);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(ModelessDialog, VisibleOnlyWithWsVisibleAndEndDialogHides) {
    CDialog shown;
    ASSERT_TRUE(shown.Create(60004));
    EXPECT_TRUE(shown.IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), shown.GetDlgItem(1401));
    shown.EndDialog(IDOK);
    EXPECT_FALSE(shown.IsWindowVisible()) << "EndDialog hides a modeless dialog";
    EXPECT_NE(shown.GetSafeHwnd(), nullptr);

    CWnd* const focus = CWnd::GetFocus();
    CDialog hidden;
    ASSERT_TRUE(hidden.Create(60001));
    EXPECT_FALSE(hidden.IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), focus) << "a hidden dialog takes no focus";
    EXPECT_FALSE(hidden.Create(60001)) << "already created";
    EXPECT_TRUE(hidden.DestroyWindow());
    EXPECT_TRUE(shown.DestroyWindow());
}

TEST(ModelessDialog, ChildDialogInsideAnotherWindow) {
    CDialog host;
    ASSERT_TRUE(host.Create(60003));
    CDialog page;
    ASSERT_TRUE(page.Create(60002, &host));
    EXPECT_EQ(page.GetParent(), &host);
    EXPECT_TRUE(page.GetStyle() & WS_CHILD);
    EXPECT_EQ(host.children().back(), &page);
    host.DestroyWindow();
    EXPECT_EQ(page.GetSafeHwnd(), nullptr) << "destroyed with its parent";
}

} // namespace
