// The main frame and its control bars: docking sides, floating and showing.

#include "platform/ui/windows/CControlBar.h"
#include "platform/ui/windows/CFrameWnd.h"

#include <gtest/gtest.h>

namespace {

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.CreateEx(0, L"AfxFrame", L"AutoCAD", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(0, 0, 808, 627), nullptr, 0));
        ASSERT_TRUE(bar.CreateEx(0, L"AcDockBar", L"Sheets manager",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 250, 200),
                                 &frame, 0));
        frame.GetClientRect(&client);
    }
    CFrameWnd frame;
    CControlBar bar;
    CRect client;
};

TEST_F(FrameTest, DocksOnlyOnSidesBothAllowAndFillsThatEdge) {
    frame.EnableDocking(CBRS_ALIGN_ANY);
    bar.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    EXPECT_FALSE(frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(bar.dockBarId(), 0U);
    EXPECT_TRUE(frame.DockControlBar(&bar)) << "the first common side in MFC's order";
    EXPECT_EQ(bar.dockBarId(), AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(bar.GetDockingFrame(), &frame);
    CRect rect;
    bar.GetWindowRect(&rect);
    frame.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 250, client.Height()));
    EXPECT_TRUE(frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_RIGHT));
    bar.GetWindowRect(&rect);
    frame.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(client.Width() - 250, 0, client.Width(), client.Height()));
}

TEST_F(FrameTest, FloatingBarsKeepTheirSizeAndShowingIsImmediate) {
    frame.EnableDocking(CBRS_ALIGN_LEFT);
    bar.EnableDocking(CBRS_ALIGN_LEFT);
    frame.FloatControlBar(&bar, CPoint(300, 100));
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(bar.dockBarId(), 0U);
    EXPECT_EQ(bar.floatingRect(), CRect(300, 100, 550, 300));
    CRect rect;
    bar.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(300, 100, 550, 300));
    frame.ShowControlBar(&bar, FALSE, FALSE);
    EXPECT_FALSE(bar.IsVisible());
    frame.ShowControlBar(&bar, TRUE, FALSE);
    EXPECT_TRUE(bar.IsVisible());
    EXPECT_EQ(frame.controlBars().size(), 1U);
}

TEST_F(FrameTest, ResizingTheFrameLaysTheDockedBarsOutAgain) {
    frame.EnableDocking(CBRS_ALIGN_ANY);
    bar.EnableDocking(CBRS_ALIGN_RIGHT);
    ASSERT_TRUE(frame.DockControlBar(&bar));
    frame.MoveWindow(0, 0, 1008, 727);
    frame.GetClientRect(&client);
    CRect rect;
    bar.GetWindowRect(&rect);
    frame.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(client.Width() - 250, 0, client.Width(), client.Height()));
}

} // namespace
