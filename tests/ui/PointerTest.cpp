// Mouse input at a position: which window it reaches (statics, group boxes and disabled
// controls let it through), MK_ flags and modifiers, capture, cursor requests, and the
// rectangle tracker following a scripted drag.

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/graphics/CDC.h"
#include "platform/ui/users/CRectTracker.h"
#include "platform/ui/users/Mouse.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/WinApi.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// Logs the mouse messages it gets as "name flags (x, y)".
class MouseLog : public CWnd {
public:
    explicit MouseLog(std::vector<std::string>& log, std::string name)
        : log_(&log), name_(std::move(name)) {}

    UINT cursorToSet = 0;
    bool captureOnPress = false;

protected:
    void record(const char* what, UINT flags, CPoint p) {
        log_->push_back(name_ + " " + what + " " + std::to_string(flags) + " (" +
                        std::to_string(p.x) + ", " + std::to_string(p.y) + ")");
    }
    void OnLButtonDown(UINT flags, CPoint p) override {
        record("down", flags, p);
        if (captureOnPress) {
            SetCapture();
        }
    }
    void OnLButtonUp(UINT flags, CPoint p) override {
        record("up", flags, p);
        if (GetCapture() == this) {
            ReleaseCapture();
        }
    }
    void OnLButtonDblClk(UINT flags, CPoint p) override { record("dblclk", flags, p); }
    void OnRButtonDown(UINT flags, CPoint p) override { record("rdown", flags, p); }
    void OnRButtonUp(UINT flags, CPoint p) override { record("rup", flags, p); }
    void OnMouseMove(UINT flags, CPoint p) override { record("move", flags, p); }
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override {
        if (cursorToSet != 0) {
            ::SetCursor(LoadCursor(nullptr, cursorToSet));
            return TRUE;
        }
        return CWnd::OnSetCursor(window, hitTest, message);
    }

private:
    std::vector<std::string>* log_;
    std::string name_;
};

// A pop-up at screen (100, 50), 300 x 200, no frame: client = screen - (100, 50).
class PointerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(top.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(100, 50, 400, 250),
                                 nullptr, 0));
        ASSERT_TRUE(
            pad.CreateEx(0, L"Pad", L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 90), &top, 1));
        ASSERT_TRUE(label.Create(L"label", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 40), &pad, 2));
        ASSERT_TRUE(group.Create(L"group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                                 CRect(120, 10, 290, 190), &top, 3));
        ASSERT_TRUE(off.CreateEx(0, L"Off", L"", WS_CHILD | WS_VISIBLE | WS_DISABLED,
                                 CRect(130, 30, 200, 80), &top, 4));
        ASSERT_TRUE(
            pad2.CreateEx(0, L"Pad", L"", WS_CHILD | WS_VISIBLE, CRect(210, 30, 280, 80), &top, 5));
    }
    void TearDown() override { ReleaseCapture(); }

    std::vector<std::string> log;
    MouseLog top{log, "top"};
    MouseLog pad{log, "pad"};
    CStatic label;
    CButton group;
    MouseLog off{log, "off"};
    MouseLog pad2{log, "pad2"};
    ui::UserActions act{top};
};

TEST_F(PointerTest, ClickAtReachesTheWindowUnderThePointInItsClientCoordinates) {
    struct Case {
        CPoint at;
        std::string reaches;
    };
    // A static (without SS_NOTIFY) and a group box are transparent; a disabled control passes
    // the input to its parent.
    const std::vector<Case> cases = {{{15, 15}, "pad down 1 (5, 5)"},
                                     {{40, 40}, "pad down 1 (30, 30)"},     // on the label
                                     {{150, 150}, "top down 1 (150, 150)"}, // in the group box
                                     {{140, 40}, "top down 1 (140, 40)"},   // on the disabled one
                                     {{215, 35}, "pad2 down 1 (5, 5)"}};
    for (const Case& c : cases) {
        log.clear();
        ASSERT_TRUE(act.clickAt(c.at));
        ASSERT_EQ(log.size(), 3U) << c.reaches;
        EXPECT_EQ(log[1], c.reaches);
        EXPECT_NE(log[0].find(" move 0 "), std::string::npos) << "the pointer moves there first";
    }
}

TEST_F(PointerTest, ModifiersGiveMkFlagsAndKeyStateDuringTheClick) {
    struct Spy : CWnd {
        std::vector<int> states;
        void OnLButtonDown(UINT, CPoint) override {
            states.push_back((GetKeyState(VK_SHIFT) & 0x8000) != 0);
            states.push_back((GetKeyState(VK_CONTROL) & 0x8000) != 0);
        }
    } spy;
    ASSERT_TRUE(
        spy.CreateEx(0, L"Spy", L"", WS_CHILD | WS_VISIBLE, CRect(0, 100, 50, 150), &top, 9));
    ASSERT_TRUE(act.clickAt({20, 20}, ui::Shift | ui::Control));
    EXPECT_EQ(log[1],
              "pad down " + std::to_string(MK_LBUTTON | MK_SHIFT | MK_CONTROL) + " (10, 10)");
    EXPECT_EQ(log[2], "pad up " + std::to_string(MK_SHIFT | MK_CONTROL) + " (10, 10)");
    ASSERT_TRUE(act.clickAt({5, 110}, ui::Control));
    EXPECT_EQ(spy.states, (std::vector<int>{0, 1}));
    EXPECT_EQ(GetKeyState(VK_CONTROL), 0) << "released after the click";

    log.clear();
    ASSERT_TRUE(act.doubleClickAt({20, 20}));
    EXPECT_EQ(log, (std::vector<std::string>{"pad move 0 (10, 10)", "pad down 1 (10, 10)",
                                             "pad up 0 (10, 10)", "pad dblclk 1 (10, 10)",
                                             "pad up 0 (10, 10)"}));
    log.clear();
    ASSERT_TRUE(act.rightClickAt({20, 20}));
    EXPECT_EQ(log, (std::vector<std::string>{"pad move 0 (10, 10)", "pad rdown 2 (10, 10)",
                                             "pad rup 0 (10, 10)"}));
}

TEST_F(PointerTest, ActionsOutsideOrOnADisabledWindowFail) {
    std::vector<std::wstring> failures;
    ui::UserActions checked(top, [&](const std::wstring& f) { failures.push_back(f); });
    EXPECT_FALSE(checked.clickAt({300, 10}));
    EXPECT_FALSE(checked.clickAt({-1, 10}));
    top.EnableWindow(FALSE);
    EXPECT_FALSE(checked.clickAt({20, 20}));
    top.EnableWindow(TRUE);
    EXPECT_EQ(failures.size(), 3U);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(checked.pointIn(5, {1, 2}), CPoint(211, 32));
}

TEST_F(PointerTest, CaptureTakesTheDragUntilReleased) {
    pad.captureOnPress = true;
    ASSERT_TRUE(act.drag({20, 20}, {220, 60}));
    // Moves over pad2 still reach pad (the capture), in pad's client coordinates.
    EXPECT_EQ(log.front(), "pad move 0 (10, 10)");
    EXPECT_EQ(log[1], "pad down 1 (10, 10)");
    EXPECT_EQ(log[log.size() - 2], "pad move 1 (210, 50)");
    EXPECT_EQ(log.back(), "pad up 0 (210, 50)");
    EXPECT_EQ(GetCapture(), nullptr);

    log.clear();
    pad.captureOnPress = false;
    ASSERT_TRUE(act.drag({20, 20}, {220, 60}));
    EXPECT_EQ(log.back(), "pad2 up 0 (10, 30)") << "without capture the release goes where it is";
}

TEST_F(PointerTest, CaptureEndsWithItsWindow) {
    auto gone = std::make_unique<CWnd>();
    ASSERT_TRUE(gone->CreateEx(0, L"X", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &top, 7));
    gone->SetCapture();
    EXPECT_EQ(GetCapture(), gone.get());
    gone.reset();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(act.clickAt({15, 15}));
}

TEST_F(PointerTest, ChildWindowFromPointSearchesDirectChildrenInZOrder) {
    EXPECT_EQ(top.ChildWindowFromPoint(CPoint(15, 15)), &pad);
    EXPECT_EQ(top.ChildWindowFromPoint(CPoint(40, 40)), &pad) << "only direct children";
    EXPECT_EQ(top.ChildWindowFromPoint(CPoint(140, 40)), &group) << "the group box is above";
    EXPECT_EQ(top.ChildWindowFromPoint(CPoint(5, 195)), &top);
    EXPECT_EQ(top.ChildWindowFromPoint(CPoint(300, 5)), nullptr);
    group.ShowWindow(SW_HIDE);
    EXPECT_EQ(top.ChildWindowFromPoint(CPoint(140, 40)), &group);
    EXPECT_EQ(top.ChildWindowFromPoint(CPoint(140, 40), CWP_SKIPINVISIBLE), &off);
    EXPECT_EQ(top.ChildWindowFromPoint(CPoint(140, 40), CWP_SKIPINVISIBLE | CWP_SKIPDISABLED),
              &top);
}

TEST_F(PointerTest, CursorRequestsGoToTheParentFirst) {
    ASSERT_TRUE(act.moveMouseTo({15, 15}));
    EXPECT_EQ(ui::cursorId(GetCursor()), IDC_ARROW) << "the class cursor";
    top.cursorToSet = IDC_CROSS;
    ASSERT_TRUE(act.moveMouseTo({16, 15}));
    EXPECT_EQ(ui::cursorId(GetCursor()), IDC_CROSS) << "the parent answered first";
    POINT at{};
    GetCursorPos(&at);
    EXPECT_EQ(CPoint(at), CPoint(116, 65));
    EXPECT_EQ(LoadCursor(nullptr, 4711), nullptr);
}

// --- the rectangle tracker ---------------------------------------------------------------------

class TrackerLog : public CRectTracker {
public:
    using CRectTracker::CRectTracker;
    std::vector<CRect> changes;
    void OnChangedRect(const CRect& old) override { changes.push_back(old); }
};

class DesignSurface : public CWnd {
public:
    TrackerLog tracker{CRect(50, 50, 100, 80),
                       CRectTracker::solidLine | CRectTracker::resizeOutside};
    BOOL tracked = FALSE;
    bool rubberBand = false;

protected:
    void OnLButtonDown(UINT, CPoint point) override {
        if (tracker.HitTest(point) != CRectTracker::hitNothing) {
            tracked = tracker.Track(this, point);
        } else if (rubberBand) {
            tracked = tracker.TrackRubberBand(this, point, FALSE);
        }
    }
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override {
        return tracker.SetCursor(this, hitTest) ? TRUE
                                                : CWnd::OnSetCursor(window, hitTest, message);
    }
};

TEST(RectTrackerTest, HitTestFindsHandlesOutsideTheRectangle) {
    CRectTracker tracker(CRect(50, 50, 100, 80),
                         CRectTracker::solidLine | CRectTracker::resizeOutside);
    tracker.m_nHandleSize = 5;
    struct Case {
        CPoint at;
        int hit;
    };
    // The border lies 1 pixel outside the rectangle, the 5-pixel handles outside the border.
    for (const Case& c : std::vector<Case>{{{75, 65}, CRectTracker::hitMiddle},
                                           {{45, 45}, CRectTracker::hitTopLeft},
                                           {{104, 45}, CRectTracker::hitTopRight},
                                           {{104, 84}, CRectTracker::hitBottomRight},
                                           {{45, 84}, CRectTracker::hitBottomLeft},
                                           {{75, 45}, CRectTracker::hitTop},
                                           {{104, 65}, CRectTracker::hitRight},
                                           {{75, 84}, CRectTracker::hitBottom},
                                           {{45, 65}, CRectTracker::hitLeft},
                                           {{60, 46}, CRectTracker::hitNothing}, // between handles
                                           {{30, 30}, CRectTracker::hitNothing}}) {
        EXPECT_EQ(tracker.HitTest(c.at), c.hit) << c.at.x << ", " << c.at.y;
    }
    // A short rectangle has no handles in the middle of its short edges.
    tracker.m_rect = CRect(50, 50, 60, 120);
    EXPECT_EQ(tracker.GetHandleMask(), 0x0FU | 0xA0U);
    CRect outer;
    tracker.GetTrueRect(&outer);
    EXPECT_EQ(outer, CRect(45, 45, 65, 125));
}

class TrackerDragTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(surface.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE,
                                     CRect(200, 100, 500, 400), nullptr, 0));
        surface.tracker.m_nHandleSize = 5;
    }
    DesignSurface surface;
    ui::UserActions act{surface};
};

TEST_F(TrackerDragTest, DraggingTheMiddleMovesAndAHandleResizes) {
    ASSERT_TRUE(act.drag({60, 60}, {80, 70}));
    EXPECT_TRUE(surface.tracked);
    EXPECT_EQ(surface.tracker.m_rect, CRect(70, 60, 120, 90));
    EXPECT_EQ(surface.tracker.changes.size(), 4U) << "once per step of the drag";
    EXPECT_EQ(GetCapture(), nullptr);

    // The bottom-right handle (its corner 4 pixels from the press), dragged past the top-left
    // corner, normalises (no inverting).
    ASSERT_TRUE(act.drag({124, 94}, {40, 40}));
    EXPECT_EQ(surface.tracker.m_rect, CRect(36, 36, 70, 60));

    // The minimum size holds the dragged edge.
    surface.tracker.m_sizeMin = CSize(20, 20);
    ASSERT_TRUE(act.drag({74, 47}, {45, 47})); // the right edge leftwards
    EXPECT_EQ(surface.tracker.m_rect, CRect(36, 36, 56, 60));
}

TEST_F(TrackerDragTest, AClickWithoutMovingChangesNothing) {
    ASSERT_TRUE(act.clickAt({60, 60}));
    EXPECT_FALSE(surface.tracked);
    EXPECT_EQ(surface.tracker.m_rect, CRect(50, 50, 100, 80));
    EXPECT_TRUE(surface.tracker.changes.empty());
}

TEST_F(TrackerDragTest, RubberBandSpansFromPressToRelease) {
    surface.rubberBand = true;
    ASSERT_TRUE(act.drag({200, 200}, {150, 120}));
    EXPECT_TRUE(surface.tracked);
    EXPECT_EQ(surface.tracker.m_rect, CRect(150, 120, 200, 200));
}

TEST_F(TrackerDragTest, CursorFollowsTheHandleUnderThePointer) {
    for (const auto& [at, cursor] : std::vector<std::pair<CPoint, UINT>>{{{75, 65}, IDC_SIZEALL},
                                                                         {{45, 45}, IDC_SIZENWSE},
                                                                         {{104, 45}, IDC_SIZENESW},
                                                                         {{75, 84}, IDC_SIZENS},
                                                                         {{45, 65}, IDC_SIZEWE},
                                                                         {{10, 10}, IDC_ARROW}}) {
        ASSERT_TRUE(act.moveMouseTo(at));
        EXPECT_EQ(ui::cursorId(GetCursor()), cursor) << at.x << ", " << at.y;
    }
}

TEST(RectTrackerDrawTest, DrawsBorderAndHandles) {
    ui::Bitmap picture(40, 40, 0xFFFFFFFF);
    CDC dc(picture);
    CRectTracker tracker(CRect(10, 10, 30, 30),
                         CRectTracker::solidLine | CRectTracker::resizeInside);
    tracker.m_nHandleSize = 3;
    tracker.Draw(&dc);
    EXPECT_EQ(dc.GetPixel(15, 9), RGB(0, 0, 0)) << "border 1 pixel outside";
    EXPECT_EQ(dc.GetPixel(15, 15), RGB(255, 255, 255)) << "inside untouched";
    EXPECT_EQ(dc.GetPixel(9, 9), RGB(0, 0, 0)) << "top-left handle";
    EXPECT_EQ(dc.GetPixel(11, 11), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(255, 255, 255));
}

} // namespace
