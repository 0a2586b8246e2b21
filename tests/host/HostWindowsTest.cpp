#include "platform/host/HostWindows.h"

#include "platform/ui/windows/WinApi.h"

#include <gtest/gtest.h>

namespace {

class HostWindowsTest : public ::testing::Test {
protected:
    void TearDown() override { host::destroyMainWindow(); }
};

TEST_F(HostWindowsTest, TheMainWindowIsTheFrameMadeOnFirstUse) {
    CWnd* mainWindow = adsw_acadMainWnd();
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(mainWindow, acedGetAcadFrame());
    EXPECT_EQ(adsw_acadMainWnd(), mainWindow) << "one frame for the whole program";
    EXPECT_NE(mainWindow->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(mainWindow->IsWindowVisible());
    EXPECT_EQ(AfxGetMainWnd(), mainWindow) << "dialogs without a parent belong to it";
    EXPECT_EQ(acedGetAcadFrame()->dockStyle(), CBRS_ALIGN_ANY);
}

TEST_F(HostWindowsTest, DestroyingTheFrameClearsTheMainWindow) {
    adsw_acadMainWnd();
    host::destroyMainWindow();
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    CWnd* next = adsw_acadMainWnd();
    EXPECT_NE(next->GetSafeHwnd(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), next);
}

TEST_F(HostWindowsTest, DisplayUpdatesAreCounted) {
    host::destroyMainWindow();
    EXPECT_EQ(host::displayUpdateCount(), 0);
    acedUpdateDisplay();
    acedUpdateDisplay();
    EXPECT_EQ(host::displayUpdateCount(), 2);
    host::destroyMainWindow();
    EXPECT_EQ(host::displayUpdateCount(), 0);
}

} // namespace
