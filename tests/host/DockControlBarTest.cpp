#include "platform/host/CAcUiDockControlBar.h"
#include "platform/host/ControlBarPlacement.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/registry/RegistryApi.h"
#include "tests/host/TempRegistry.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

const host::Guid kToolId = *host::Guid::parse(L"{11111111-2222-3333-4444-555555555555}");

class TestBar : public CAcUiDockControlBar {
public:
    bool create() {
        return Create(L"TestBar", L"Test bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 90),
                      acedGetAcadFrame(), 0) != FALSE;
    }

    bool allowClosing = true;
    bool failContent = false;
    int closingCalls = 0;
    std::vector<CRect> sizes;

protected:
    BOOL CreateControlBar(LPCREATESTRUCT createStruct) override {
        return !failContent && CAcUiDockControlBar::CreateControlBar(createStruct);
    }
    void SizeChanged(CRect* rect, BOOL floating, int flags) override {
        sizes.push_back(*rect);
        CAcUiDockControlBar::SizeChanged(rect, floating, flags);
    }
    bool OnClosing() override {
        ++closingCalls;
        return allowClosing;
    }
};

class DockControlBarTest : public ::testing::Test {
protected:
    void TearDown() override { host::destroyMainWindow(); }

    std::unique_ptr<TestBar> newBar(DWORD sides = CBRS_ALIGN_ANY) {
        auto bar = std::make_unique<TestBar>();
        EXPECT_TRUE(bar->create());
        bar->SetToolID(kToolId);
        bar->EnableDocking(sides);
        return bar;
    }

    TempRegistry registry_;
};

TEST_F(DockControlBarTest, WithoutASavedPlacementTheBarDocksOnTheDefaultSide) {
    auto bar = newBar();
    EXPECT_TRUE(bar->RestoreControlBar(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(bar->dockBarId(), AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(bar->GetDockingFrame(), acedGetAcadFrame());

    auto floating = newBar();
    floating->SetToolID(*host::Guid::parse(L"{11111111-2222-3333-4444-000000000000}"));
    CRect initial(30, 40, 230, 340);
    floating->InitFloatingPosition(&initial);
    EXPECT_TRUE(floating->RestoreControlBar(AFX_IDW_DOCKBAR_FLOAT));
    EXPECT_TRUE(floating->IsFloating());
    EXPECT_EQ(floating->floatingRect(), initial);
}

TEST_F(DockControlBarTest, DestroyingTheBarSavesWhereItWas) {
    {
        auto bar = newBar();
        bar->RestoreControlBar(AFX_IDW_DOCKBAR_LEFT);
        ASSERT_TRUE(acedGetAcadFrame()->DockControlBar(bar.get(), AFX_IDW_DOCKBAR_RIGHT));
        bar->DestroyWindow();
    }
    const auto saved = host::ControlBarPlacement::load(kToolId);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->dockBarId, AFX_IDW_DOCKBAR_RIGHT);

    auto next = newBar();
    EXPECT_TRUE(next->RestoreControlBar(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(next->dockBarId(), AFX_IDW_DOCKBAR_RIGHT);
}

TEST_F(DockControlBarTest, ClosingHidesTheBarAndSavesItsFloatingPlace) {
    auto bar = newBar();
    bar->RestoreControlBar(AFX_IDW_DOCKBAR_LEFT);
    acedGetAcadFrame()->FloatControlBar(bar.get(), CPoint(300, 200));
    const CRect floating = bar->floatingRect();
    bar->SendMessage(WM_CLOSE);
    EXPECT_EQ(bar->closingCalls, 1);
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_NE(bar->GetSafeHwnd(), nullptr) << "closing only hides the bar";

    auto next = newBar();
    EXPECT_TRUE(next->RestoreControlBar(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_TRUE(next->IsFloating());
    EXPECT_EQ(next->floatingRect(), floating);
}

TEST_F(DockControlBarTest, OnClosingCanRefuse) {
    auto bar = newBar();
    bar->RestoreControlBar(AFX_IDW_DOCKBAR_RIGHT);
    bar->allowClosing = false;
    bar->SendMessage(WM_CLOSE);
    EXPECT_EQ(bar->closingCalls, 1);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_FALSE(host::ControlBarPlacement::load(kToolId)) << "nothing saved";
}

TEST_F(DockControlBarTest, UnusablePlacementsFallBackToTheDefault) {
    // Saved on a side the bar may no longer dock on.
    ASSERT_TRUE((host::ControlBarPlacement{AFX_IDW_DOCKBAR_TOP, {}}.save(kToolId)));
    auto bar = newBar(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    EXPECT_TRUE(bar->RestoreControlBar(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(bar->dockBarId(), AFX_IDW_DOCKBAR_LEFT);

    // A damaged value.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER,
                             (L"Software\\Tessa\\Host\\ControlBars\\" + kToolId.toString()).c_str(),
                             0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD bogus = 12345;
    RegSetValueEx(key, L"DockBar", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&bogus),
                  sizeof bogus);
    RegCloseKey(key);
    EXPECT_FALSE(host::ControlBarPlacement::load(kToolId));
    auto other = newBar(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    EXPECT_TRUE(other->RestoreControlBar(AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_EQ(other->dockBarId(), AFX_IDW_DOCKBAR_RIGHT);
}

TEST_F(DockControlBarTest, PlacementNeedsAToolIdAndAWritableRegistry) {
    auto anonymous = std::make_unique<TestBar>();
    ASSERT_TRUE(anonymous->create());
    anonymous->EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_TRUE(anonymous->RestoreControlBar(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_FALSE(anonymous->savePlacement());

    auto bar = newBar();
    EXPECT_FALSE(bar->savePlacement()) << "a bar that is not placed has no placement";
    bar->RestoreControlBar(AFX_IDW_DOCKBAR_LEFT);
    registry_.reopen(ui::Registry::Access::ReadOnly);
    EXPECT_FALSE(bar->savePlacement());
    registry_.reopen(ui::Registry::Access::ReadWrite);
    EXPECT_TRUE(bar->savePlacement());

    TestBar notCreated;
    EXPECT_FALSE(notCreated.RestoreControlBar(AFX_IDW_DOCKBAR_LEFT));
}

TEST_F(DockControlBarTest, ContentFailureFailsCreation) {
    TestBar bar;
    bar.failContent = true;
    EXPECT_FALSE(bar.create());
    EXPECT_EQ(bar.GetSafeHwnd(), nullptr);
}

TEST_F(DockControlBarTest, SizeChangesReachTheContent) {
    auto bar = newBar();
    bar->sizes.clear();
    bar->MoveWindow(0, 0, 150, 100);
    ASSERT_FALSE(bar->sizes.empty());
    CRect client;
    bar->GetClientRect(&client);
    EXPECT_EQ(bar->sizes.back(), client);
}

} // namespace
