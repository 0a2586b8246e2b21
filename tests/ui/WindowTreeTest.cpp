// The window tree: creation and destruction, geometry, z-order, visibility, focus, the message
// map, posted messages and subclassing.

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/windows/MessageQueue.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gEvents;

class TracingWnd : public CWnd {
public:
    explicit TracingWnd(std::string name) : name_(std::move(name)) {}

    BOOL make(CWnd* parent, int id, const CRect& rect, DWORD style = WS_CHILD | WS_VISIBLE) {
        return CreateEx(0, L"Tracing", L"", style, rect, parent, static_cast<UINT>(id));
    }
    std::vector<std::pair<int, int>> sizes;

protected:
    void OnDestroy() override {
        // The parent is still there while its children get WM_DESTROY, and vice versa.
        gEvents.push_back(name_ + (children().empty() ? "" : "+children"));
    }
    void OnSize(UINT, int cx, int cy) override { sizes.emplace_back(cx, cy); }
    void OnSetFocus(CWnd*) override { gEvents.push_back("setfocus " + name_); }
    void OnKillFocus(CWnd*) override { gEvents.push_back("killfocus " + name_); }

private:
    std::string name_;
};

TEST(WindowTree, DestroyRunsOnDestroyParentFirstThenDetachesEverything) {
    gEvents.clear();
    TracingWnd top("top");
    TracingWnd a("a");
    TracingWnd b("b");
    ASSERT_TRUE(top.make(nullptr, 0, CRect(0, 0, 100, 100), WS_POPUP | WS_VISIBLE));
    ASSERT_TRUE(a.make(&top, 1, CRect(0, 0, 10, 10)));
    ASSERT_TRUE(b.make(&top, 2, CRect(0, 0, 10, 10)));
    EXPECT_EQ(top.GetDlgItem(2), &b);
    EXPECT_TRUE(top.IsChild(&b));

    EXPECT_TRUE(top.DestroyWindow());
    EXPECT_EQ(gEvents, (std::vector<std::string>{"top+children", "a", "b"}));
    EXPECT_EQ(top.GetSafeHwnd(), nullptr);
    EXPECT_EQ(a.GetSafeHwnd(), nullptr);
    EXPECT_EQ(a.GetParent(), nullptr);
    EXPECT_TRUE(top.children().empty());
    EXPECT_FALSE(top.DestroyWindow()) << "a second destroy has nothing to destroy";
}

TEST(WindowTree, ChildNeedsCreatedParentAndDestructorDestroys) {
    TracingWnd orphan("orphan");
    TracingWnd parent("parent");
    EXPECT_FALSE(orphan.make(&parent, 1, CRect(0, 0, 5, 5))) << "parent not created";
    ASSERT_TRUE(parent.make(nullptr, 0, CRect(0, 0, 50, 50), WS_POPUP));
    {
        TracingWnd child("child");
        ASSERT_TRUE(child.make(&parent, 7, CRect(0, 0, 5, 5)));
        EXPECT_EQ(parent.children().size(), 1U);
    }
    EXPECT_TRUE(parent.children().empty()) << "the destructor destroys a created window";
}

TEST(WindowTree, RectanglesAreParentClientBasedAndReportedOnScreen) {
    TracingWnd top("top");
    TracingWnd child("child");
    // Caption and dialog frame: 3 pixels on the sides, 3 + 19 on top.
    ASSERT_TRUE(top.make(nullptr, 0, CRect(100, 50, 400, 300), WS_POPUP | WS_CAPTION));
    ASSERT_TRUE(child.make(&top, 5, CRect(10, 20, 60, 40)));

    CRect client;
    top.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 294, 225));
    CRect onScreen;
    child.GetWindowRect(&onScreen);
    EXPECT_EQ(onScreen, CRect(113, 92, 163, 112));
    top.ScreenToClient(&onScreen);
    EXPECT_EQ(onScreen, CRect(10, 20, 60, 40));
    CPoint point(0, 0);
    child.ClientToScreen(&point);
    EXPECT_EQ(point, CPoint(113, 92));
}

TEST(WindowTree, MoveWindowSendsSizeOnlyWhenTheSizeChanges) {
    TracingWnd top("top");
    ASSERT_TRUE(top.make(nullptr, 0, CRect(0, 0, 100, 80), WS_POPUP));
    ASSERT_EQ(top.sizes, (std::vector<std::pair<int, int>>{{100, 80}})) << "created";
    top.MoveWindow(10, 10, 100, 80);
    EXPECT_EQ(top.sizes.size(), 1U) << "a move alone sends no WM_SIZE";
    top.MoveWindow(CRect(10, 10, 210, 90));
    EXPECT_EQ(top.sizes.back(), std::make_pair(200, 80));
    top.SetWindowPos(nullptr, 0, 0, 50, 60, SWP_NOMOVE | SWP_NOZORDER);
    CRect rect;
    top.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(10, 10, 60, 70));
    top.SetWindowPos(nullptr, 1, 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    top.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(1, 2, 51, 62));
}

TEST(WindowTree, SetWindowPosReordersSiblings) {
    TracingWnd top("top");
    TracingWnd a("a");
    TracingWnd b("b");
    TracingWnd c("c");
    ASSERT_TRUE(top.make(nullptr, 0, CRect(0, 0, 100, 100), WS_POPUP));
    for (TracingWnd* w : {&a, &b, &c}) {
        ASSERT_TRUE(w->make(&top, 1, CRect(0, 0, 5, 5)));
    }
    c.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(top.children(), (std::vector<CWnd*>{&c, &a, &b}));
    c.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(top.children(), (std::vector<CWnd*>{&a, &b, &c}));
    a.SetWindowPos(&b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(top.children(), (std::vector<CWnd*>{&b, &a, &c}));
    c.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(top.children(), (std::vector<CWnd*>{&b, &a, &c})) << "SWP_NOZORDER";
}

TEST(WindowTree, VisibilityAndEnabledStateFollowWin32) {
    TracingWnd top("top");
    TracingWnd child("child");
    ASSERT_TRUE(top.make(nullptr, 0, CRect(0, 0, 100, 100), WS_POPUP));
    ASSERT_TRUE(child.make(&top, 1, CRect(0, 0, 5, 5)));
    EXPECT_FALSE(child.IsWindowVisible()) << "the parent is hidden";
    EXPECT_FALSE(top.ShowWindow(SW_SHOW));
    EXPECT_TRUE(child.IsWindowVisible());
    EXPECT_TRUE(top.ShowWindow(SW_HIDE)) << "returns the previous visibility";
    EXPECT_FALSE(child.EnableWindow(FALSE)) << "was not disabled";
    EXPECT_FALSE(child.IsWindowEnabled());
    EXPECT_TRUE(child.EnableWindow(TRUE)) << "was disabled";
    EXPECT_TRUE(child.ModifyStyle(0, WS_TABSTOP));
    EXPECT_FALSE(child.ModifyStyle(0, WS_TABSTOP)) << "nothing changed";
}

TEST(WindowTree, FocusMovesWithKillAndSetFocusAndAKillHandlerMayKeepIt) {
    gEvents.clear();
    TracingWnd top("top");
    TracingWnd a("a");
    TracingWnd b("b");
    ASSERT_TRUE(top.make(nullptr, 0, CRect(0, 0, 100, 100), WS_POPUP | WS_VISIBLE));
    ASSERT_TRUE(a.make(&top, 1, CRect(0, 0, 5, 5)));
    ASSERT_TRUE(b.make(&top, 2, CRect(0, 0, 5, 5)));
    a.SetFocus();
    EXPECT_EQ(b.SetFocus(), &a);
    EXPECT_EQ(CWnd::GetFocus(), &b);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"setfocus a", "killfocus a", "setfocus b"}));
    b.DestroyWindow();
    EXPECT_EQ(CWnd::GetFocus(), nullptr) << "the focus goes with a destroyed window";
}

TEST(WindowTree, MessageMapRunsTheFirstMatchingHandler) {
    TracingWnd top("top");
    ASSERT_TRUE(top.make(nullptr, 0, CRect(0, 0, 10, 10), WS_POPUP));
    std::vector<std::string> calls;
    top.onCommand(5, BN_CLICKED, [&] { calls.push_back("exact 5"); });
    top.onCommandRange(1, 9, BN_CLICKED,
                       [&](UINT id) { calls.push_back("range " + std::to_string(id)); });
    top.onCommand(5, EN_CHANGE, [&] { calls.push_back("change 5"); });
    top.onNotify(7, NM_CLICK, [&](NMHDR* header, LRESULT* result) {
        calls.push_back("notify " + std::to_string(header->idFrom));
        *result = 42;
    });
    top.onMessage(WM_USER + 3, [&](WPARAM w, LPARAM l) -> LRESULT {
        calls.push_back("user " + std::to_string(w + static_cast<WPARAM>(l)));
        return 9;
    });

    top.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), 0);
    top.SendMessage(WM_COMMAND, MAKEWPARAM(6, BN_CLICKED), 0);
    top.SendMessage(WM_COMMAND, MAKEWPARAM(5, EN_CHANGE), 0);
    top.SendMessage(WM_COMMAND, MAKEWPARAM(10, BN_CLICKED), 0);
    NMHDR header;
    header.idFrom = 7;
    header.code = NM_CLICK;
    EXPECT_EQ(top.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header)), 42);
    EXPECT_EQ(top.SendMessage(WM_USER + 3, 1, 2), 9);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"exact 5", "range 6", "change 5", "notify 7", "user 3"}));
}

TEST(WindowTree, PostedMessagesWaitForThePumpAndDieWithTheirWindow) {
    TracingWnd top("top");
    TracingWnd doomed("doomed");
    ASSERT_TRUE(top.make(nullptr, 0, CRect(0, 0, 10, 10), WS_POPUP));
    ASSERT_TRUE(doomed.make(nullptr, 0, CRect(0, 0, 10, 10), WS_POPUP));
    int delivered = 0;
    top.onMessage(WM_USER + 1, [&](WPARAM, LPARAM) -> LRESULT {
        if (++delivered == 1) {
            top.PostMessage(WM_USER + 1); // posted while pumping: delivered by the same pump
        }
        return 0;
    });
    doomed.onMessage(WM_USER + 1, [&](WPARAM, LPARAM) -> LRESULT {
        ADD_FAILURE() << "delivered to a destroyed window";
        return 0;
    });
    EXPECT_TRUE(top.PostMessage(WM_USER + 1));
    EXPECT_TRUE(doomed.PostMessage(WM_USER + 1));
    EXPECT_EQ(delivered, 0);
    doomed.DestroyWindow();
    EXPECT_FALSE(doomed.PostMessage(WM_USER + 1));
    EXPECT_EQ(ui::MessageQueue::instance().pump(), 2U);
    EXPECT_EQ(delivered, 2);
}

TEST(WindowTree, InvalidateAndUpdateCountPaints) {
    TracingWnd top("top");
    ASSERT_TRUE(top.make(nullptr, 0, CRect(0, 0, 10, 10), WS_POPUP));
    top.UpdateWindow();
    const int painted = top.paintCount();
    top.UpdateWindow();
    EXPECT_EQ(top.paintCount(), painted) << "nothing to paint";
    top.SetWindowText(L"changed");
    top.UpdateWindow();
    EXPECT_EQ(top.paintCount(), painted + 1);
}

// A combo box class of our own that takes the place of the template's combo box.
class OwnCombo : public CComboBox {
public:
    bool subclassed = false;

protected:
    void PreSubclassWindow() override { subclassed = true; }
};

class SubclassingDialog : public CDialog {
public:
    SubclassingDialog() : CDialog(60000) {}
    OwnCombo combo;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        original = GetDlgItem(1007);
        before = children();
        rectBefore = CRect();
        original->GetWindowRect(&rectBefore);
        subclassedOk = combo.SubclassDlgItem(1007, this) != FALSE;
        EndDialog(IDOK);
        check();
        return TRUE;
    }

    void check() {
        EXPECT_TRUE(subclassedOk);
        EXPECT_TRUE(combo.subclassed);
        EXPECT_EQ(GetDlgItem(1007), &combo);
        std::vector<CWnd*> expected = before;
        std::replace(expected.begin(), expected.end(), original, static_cast<CWnd*>(&combo));
        EXPECT_EQ(children(), expected) << "same place among the siblings";
        CRect rect;
        combo.GetWindowRect(&rect);
        EXPECT_EQ(rect, rectBefore);
        EXPECT_EQ(combo.GetCount(), 3) << "the template's items came along";
        EXPECT_EQ(combo.GetLBText(0), L"apple");
        EXPECT_EQ(combo.GetStyle() & 0x3, CBS_DROPDOWNLIST);
        EXPECT_FALSE(combo.SubclassDlgItem(1007, this)) << "already created";
    }

    CWnd* original = nullptr;
    std::vector<CWnd*> before;
    CRect rectBefore;
    bool subclassedOk = false;
};

TEST(WindowTree, SubclassDlgItemPutsAMemberInTheTemplateControlsPlace) {
    SubclassingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.combo.GetSafeHwnd(), nullptr) << "destroyed with its dialog";
}

// A modeless dialog whose OK button (made from the template) destroys the dialog while the
// button's own click is still running.
class SelfDestroyingDialog : public CDialog {
public:
    SelfDestroyingDialog() : CDialog(60000) {}
    void OnOK() override { DestroyWindow(); }
};

TEST(WindowTree, AControlMayDestroyItsDialogFromItsOwnClick) {
    SelfDestroyingDialog dialog;
    ASSERT_TRUE(dialog.Create(60000));
    dialog.ShowWindow(SW_SHOW);
    ui::UserActions actions(
        dialog, [](const std::wstring& failure) { ADD_FAILURE() << uitest::utf8(failure); });
    EXPECT_TRUE(actions.click(IDOK));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

} // namespace
