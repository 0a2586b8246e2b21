// Data exchange and sizing: registered formats, the clipboard, a drag from one window to a drop
// target in another (enter, over, leave, drop), a press that does not move far enough, and the
// minimum track size a user's resize keeps.

#include "platform/ui/users/COleDataSource.h"
#include "platform/ui/users/COleDropTarget.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/CWnd.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(ClipboardFormatTest, NamesRegisterOnceCaseInsensitively) {
    const UINT format = RegisterClipboardFormat(L"Tessaform dragging format");
    EXPECT_GE(format, 0xC000U);
    EXPECT_EQ(RegisterClipboardFormat(L"TESSAFORM DRAGGING FORMAT"), format);
    EXPECT_NE(RegisterClipboardFormat(L"another"), format);
    EXPECT_EQ(RegisterClipboardFormat(L""), 0U);
}

TEST(ClipboardTest, DataSourceGoesToTheClipboardAsACopy) {
    COleDataSource source;
    source.cacheText(L"a;b;\U0001F600");
    source.CacheData(RegisterClipboardFormat(L"marker"), {1});
    source.SetClipboard();
    source.Empty();
    COleDataObject pasted;
    ASSERT_TRUE(pasted.AttachClipboard());
    EXPECT_EQ(pasted.text(), L"a;b;\U0001F600");
    EXPECT_TRUE(pasted.IsDataAvailable(RegisterClipboardFormat(L"marker")));
    EXPECT_FALSE(pasted.IsDataAvailable(CF_TEXT));
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(pasted.getData(CF_TEXT, bytes));
}

// A window whose press starts a drag of its text with the private marker format.
class DragSource : public CWnd {
public:
    DROPEFFECT result = 99;
    int pressesAfterDrag = 0;

protected:
    void OnLButtonDown(UINT, CPoint) override {
        COleDataSource data;
        data.cacheText(L"HEA 200;IPE 300");
        data.CacheData(RegisterClipboardFormat(L"Tessaform dragging format"), {1});
        result = data.DoDragDrop(DROPEFFECT_COPY);
        ++pressesAfterDrag;
    }
};

class RecordingTarget : public COleDropTarget {
public:
    std::vector<std::string> events;
    bool accept = true;
    std::wstring dropped;

    DROPEFFECT OnDragEnter(CWnd*, COleDataObject* data, DWORD keys, CPoint p) override {
        events.push_back("enter " + std::to_string(keys) + " " + where(p));
        return answer(*data);
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* data, DWORD, CPoint p) override {
        events.push_back("over " + where(p));
        return answer(*data);
    }
    void OnDragLeave(CWnd*) override { events.push_back("leave"); }
    BOOL OnDrop(CWnd*, COleDataObject* data, DROPEFFECT effect, CPoint p) override {
        events.push_back("drop " + std::to_string(effect) + " " + where(p));
        dropped = data->text();
        return TRUE;
    }

private:
    static std::string where(CPoint p) {
        return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
    }
    DROPEFFECT answer(const COleDataObject& data) const {
        const bool ours =
            data.IsDataAvailable(RegisterClipboardFormat(L"Tessaform dragging format"));
        return accept && ours ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
};

class DragDropTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(left.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100),
                                  nullptr, 0));
        ASSERT_TRUE(
            source.CreateEx(0, L"Tree", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &left, 1));
        ASSERT_TRUE(right.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(300, 0, 400, 100),
                                   nullptr, 0));
        ASSERT_TRUE(tree.CreateEx(0, L"Tree", L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 90),
                                  &right, 2));
        ASSERT_TRUE(
            inner.CreateEx(0, L"Cell", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &tree, 3));
        ASSERT_TRUE(target.Register(&tree));
    }

    CWnd left;
    DragSource source;
    CWnd right;
    CWnd tree;
    CWnd inner;
    RecordingTarget target;
    ui::UserActions act{left};
};

TEST_F(DragDropTest, DragToAnotherWindowEntersPassesAndDrops) {
    ASSERT_TRUE(act.dragTo({10, 10}, tree, {40, 40}, ui::Control));
    // (inner covers the tree's client (0, 0)-(20, 20); (40, 40) is the tree's own.)
    // The pointer moves in four steps from screen (10, 10) to (350, 50); the last step is over
    // the tree's child `inner`, whose nearest registered ancestor is the tree.
    EXPECT_EQ(target.events, (std::vector<std::string>{
                                 "enter " + std::to_string(MK_LBUTTON | MK_CONTROL) + " (40, 40)",
                                 "drop 1 (40, 40)"}));
    EXPECT_EQ(target.dropped, L"HEA 200;IPE 300");
    EXPECT_EQ(source.result, DROPEFFECT_COPY);
    EXPECT_EQ(source.pressesAfterDrag, 1) << "the press's own handling runs after the drag";
}

TEST_F(DragDropTest, PassingOverChildrenOfTheTargetStaysWithTheTarget) {
    // Ends inside `inner`: the tree's target gets it, in the tree's coordinates.
    ASSERT_TRUE(act.dragTo({10, 10}, inner, {5, 5}));
    EXPECT_EQ(target.events.back(), "drop 1 (5, 5)");
}

TEST_F(DragDropTest, RefusedDataIsNotDroppedAndTheTargetIsLeft) {
    target.accept = false;
    ASSERT_TRUE(act.dragTo({10, 10}, tree, {40, 40}));
    EXPECT_EQ(target.events.back(), "leave");
    EXPECT_EQ(source.result, DROPEFFECT_NONE);
    EXPECT_TRUE(target.dropped.empty());
}

TEST_F(DragDropTest, AClickOrASmallMoveStartsNoDrag) {
    ASSERT_TRUE(act.clickAt({10, 10}));
    ASSERT_TRUE(act.drag({10, 10}, {13, 12}));
    EXPECT_TRUE(target.events.empty());
    EXPECT_EQ(source.result, DROPEFFECT_NONE);
    EXPECT_EQ(source.pressesAfterDrag, 2);
}

TEST_F(DragDropTest, OneTargetPerWindowAndRevokedTargetsGetNothing) {
    RecordingTarget second;
    EXPECT_FALSE(second.Register(&tree));
    EXPECT_FALSE(target.Register(&left)) << "registered already";
    target.Revoke();
    ASSERT_TRUE(act.dragTo({10, 10}, tree, {40, 40}));
    EXPECT_TRUE(target.events.empty());
    EXPECT_EQ(source.result, DROPEFFECT_NONE);
}

// --- the minimum track size ---------------------------------------------------------------------

class SizedWindow : public CWnd {
public:
    CSize minimum{150, 120};
    std::vector<CSize> sizes;

protected:
    void OnGetMinMaxInfo(MINMAXINFO* info) override {
        info->ptMinTrackSize.x = minimum.cx;
        info->ptMinTrackSize.y = minimum.cy;
    }
    void OnSize(UINT, int cx, int cy) override { sizes.emplace_back(cx, cy); }
};

TEST(MinTrackSizeTest, AUsersResizeKeepsTheMinimum) {
    SizedWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE | WS_THICKFRAME,
                                CRect(0, 0, 300, 200), nullptr, 0));
    ui::UserActions act(window);
    ASSERT_TRUE(act.resize(100, 400));
    CRect rect;
    window.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(150, 400));
    ASSERT_FALSE(window.sizes.empty());
    EXPECT_EQ(window.sizes.back(), CSize(142, 392)) << "client size, less the sizing frame";

    CWnd fixed;
    ASSERT_TRUE(
        fixed.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 30, 30), nullptr, 0));
    std::vector<std::wstring> failures;
    ui::UserActions fixedAct(fixed, [&](const std::wstring& f) { failures.push_back(f); });
    EXPECT_FALSE(fixedAct.resize(50, 50));
    EXPECT_EQ(failures.size(), 1U);
}

} // namespace
