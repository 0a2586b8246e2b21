#include "module/ConstraintEditorSlot.h"
#include "module/SheetsManagerSlot.h"
#include "platform/host/ControlBarPlacement.h"
#include "platform/ui/registry/RegistryApi.h"
#include "tests/module/FrameTestDialogs.h"
#include "tests/module/ModuleFixture.h"

namespace {

using frame::ConstraintEditorSlot;
using frame::SheetsManagerSlot;
using frametest::ConstraintEditor;
using frametest::SheetsPanel;

class ConstraintEditorTest : public ModuleFixture {
protected:
    static bool start(const wchar_t* module, UINT templateId = frametest::kEditorTemplate) {
        EditConstrData data;
        data.currentModule = module;
        return frame::startConstraintEditor<ConstraintEditor>(data, templateId);
    }
    static ConstraintEditor* editor() {
        return dynamic_cast<ConstraintEditor*>(ConstraintEditorSlot::instance().editor());
    }
};

TEST_F(ConstraintEditorTest, OneEditorAtATime) {
    EXPECT_TRUE(start(L"Ligger"));
    ConstraintEditor* first = editor();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->modeless());
    EXPECT_TRUE(first->IsWindowVisible());
    EXPECT_EQ(first->GetParent(), adsw_acadMainWnd());
    EXPECT_EQ(CWnd::GetFocus(), adsw_acadMainWnd());

    EXPECT_TRUE(start(L"Kolom"));
    EXPECT_EQ(editor(), first);
    EXPECT_EQ(first->constrData().currentModule, L"Ligger") << "the second record is ignored";
}

TEST_F(ConstraintEditorTest, EndClosesTheEditorAndRepostsThePrompt) {
    start(L"Ligger");
    EndDlgEditConstraints();
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(promptCount(), 1);
    EndDlgEditConstraints();
    EXPECT_EQ(promptCount(), 2);
    EXPECT_EQ(commandLineText(), L"");
    EXPECT_TRUE(start(L"Kolom")) << "a new editor may open";
    EXPECT_EQ(editor()->constrData().currentModule, L"Kolom");
}

TEST_F(ConstraintEditorTest, AWindowThatCannotBeDestroyedIsStillForgotten) {
    start(L"Ligger");
    editor()->DestroyWindow();
    EndDlgEditConstraints();
    EXPECT_EQ(commandLineText(), L"Erase window failed\n");
    EXPECT_EQ(editor(), nullptr);
}

TEST_F(ConstraintEditorTest, AnEditorThatCannotBeCreatedIsNotKept) {
    EXPECT_FALSE(start(L"Ligger", frametest::kMissingTemplate));
    EXPECT_EQ(editor(), nullptr);
}

class SheetsManagerTest : public ModuleFixture {
protected:
    static bool start(const wchar_t* sheet, UINT templateId = frametest::kPanelTemplate) {
        TfSheetsMgrDlgData data;
        data.append(TfSheetEntry(sheet, {L"part 1"}));
        return frame::startDockedSheetsManager<SheetsPanel>(data, templateId);
    }
    static CTfDockControlBar* bar() { return SheetsManagerSlot::instance().bar(); }
    static SheetsPanel* panel() { return dynamic_cast<SheetsPanel*>(bar()->hostedDialog()); }
};

TEST_F(SheetsManagerTest, TheBarDocksLeftAndHostsThePanel) {
    ASSERT_TRUE(start(L"Sheet A"));
    ASSERT_NE(bar(), nullptr);
    EXPECT_EQ(bar()->GetWindowText(), L"Sheets manager");
    EXPECT_EQ(bar()->GetParent(), acedGetAcadFrame());
    EXPECT_EQ(bar()->toolId().toString(), L"{BFF7CDE1-365F-4164-BF0A-A906FFA2920F}");
    EXPECT_EQ(bar()->dockStyle(), CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    EXPECT_EQ(bar()->dockBarId(), AFX_IDW_DOCKBAR_LEFT);
    EXPECT_TRUE(bar()->IsVisible());

    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(panel()->GetParent(), bar());
    EXPECT_EQ(bar()->hostedTemplateId(), frametest::kPanelTemplate);
    ASSERT_EQ(panel()->sheetsData().length(), 1);
    EXPECT_EQ(panel()->sheetsData().getAt(0).text, L"Sheet A");

    CRect panelRect;
    panel()->GetWindowRect(&panelRect);
    EXPECT_EQ(bar()->floatingWidth(), panelRect.Width());
    EXPECT_EQ(bar()->floatingHeight(), panelRect.Height());
    EXPECT_EQ(bar()->initialFloatingRect(), CRect(0, 0, panelRect.Width(), panelRect.Height()));
}

TEST_F(SheetsManagerTest, AStoredPanelSizeSetsTheFloatingSize) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER,
                             L"Software\\Tessaform\\Dialogs\\DLG_FRAME_TEST_PANEL", 0, nullptr, 0,
                             KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD width = 333;
    const DWORD height = 444;
    RegSetValueEx(key, L"Width", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&width), 4);
    RegSetValueEx(key, L"Height", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&height), 4);
    RegCloseKey(key);
    ASSERT_TRUE(start(L"Sheet A"));
    EXPECT_EQ(bar()->floatingWidth(), 333);
    EXPECT_EQ(bar()->floatingHeight(), 444);
}

TEST_F(SheetsManagerTest, ASecondStartOnlyShowsTheBarAgain) {
    ASSERT_TRUE(start(L"Sheet A"));
    CTfDockControlBar* first = bar();
    acedGetAcadFrame()->ShowControlBar(first, FALSE, FALSE);
    EXPECT_FALSE(first->IsVisible());

    EXPECT_TRUE(start(L"Sheet B"));
    EXPECT_EQ(bar(), first);
    EXPECT_TRUE(first->IsVisible());
    EXPECT_EQ(panel()->sheetsData().getAt(0).text, L"Sheet A");
}

TEST_F(SheetsManagerTest, EndClosesTheBarAndItComesBackWhereItWas) {
    ASSERT_TRUE(start(L"Sheet A"));
    ASSERT_TRUE(acedGetAcadFrame()->DockControlBar(bar(), AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_TRUE(EndModelessDlgSheetsMgr());
    EXPECT_EQ(bar(), nullptr);
    EXPECT_FALSE(EndModelessDlgSheetsMgr()) << "no bar any more";
    const auto saved =
        host::ControlBarPlacement::load(*host::Guid::parse(frame::kSheetsManagerToolId));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->dockBarId, AFX_IDW_DOCKBAR_RIGHT);

    ASSERT_TRUE(start(L"Sheet C"));
    EXPECT_EQ(bar()->dockBarId(), AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(panel()->sheetsData().getAt(0).text, L"Sheet C");
}

TEST_F(SheetsManagerTest, ThePanelFollowsTheBarsSize) {
    ASSERT_TRUE(start(L"Sheet A"));
    bar()->MoveWindow(0, 0, 300, 500);
    CRect client;
    bar()->GetClientRect(&client);
    CRect placed;
    panel()->GetWindowRect(&placed);
    EXPECT_EQ(placed.Width(), client.Width());
    EXPECT_EQ(placed.Height(), client.Height());
}

TEST_F(SheetsManagerTest, APanelThatCannotBeCreatedLeavesNoBar) {
    EXPECT_FALSE(start(L"Sheet A", frametest::kMissingTemplate));
    EXPECT_EQ(bar(), nullptr);
    EXPECT_TRUE(start(L"Sheet B"));
}

TEST_F(SheetsManagerTest, TheSizeChangedNotificationPlacesThePanelInsideTheGivenRectangle) {
    struct ExposedBar : CTfDockControlBar {
        using CTfDockControlBar::SizeChanged;
    };
    ExposedBar exposed;
    exposed.setHostedDialog(std::make_unique<SheetsPanel>(nullptr), frametest::kPanelTemplate);
    ASSERT_TRUE(exposed.Create(acedGetAcadFrame(), L"Exposed"));
    CRect rect(10, 20, 110, 220);
    exposed.SizeChanged(&rect, FALSE, 0);

    CRect placed;
    exposed.hostedDialog()->GetWindowRect(&placed);
    exposed.ScreenToClient(&placed);
    EXPECT_EQ(placed, CRect(14, 24, 114, 224));
}

TEST(DockBarSetUp, NullBarOrDialogFails) {
    CTfDockControlBar bar;
    EXPECT_FALSE(frame::setUpDockControlBar(nullptr, std::make_unique<SheetsPanel>(nullptr),
                                            frametest::kPanelTemplate, host::Guid{}, L"t"));
    EXPECT_FALSE(
        frame::setUpDockControlBar(&bar, nullptr, frametest::kPanelTemplate, host::Guid{}, L"t"));
    EXPECT_EQ(bar.GetSafeHwnd(), nullptr);
}

} // namespace
