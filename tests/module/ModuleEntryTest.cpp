#include "module/ModuleEntry.h"

#include "module/ConstraintEditorSlot.h"
#include "module/MacroDialogTable.h"
#include "module/ModelessMacroDialogs.h"
#include "module/ModuleGlobals.h"
#include "module/TfSSDlgsMgr.h"
#include "platform/host/AcEdCommandStack.h"
#include "platform/ui/time/Clock.h"
#include "tests/module/FrameTestDialogs.h"
#include "tests/module/ModuleFixture.h"

namespace {

using frame::MacroDialogTable;

void someCommand() {}

AcRxDynamicLinker& linker() {
    return *AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER));
}
AcEdCommandStack& commands() {
    return *AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK));
}

class ModuleEntryTest : public ModuleFixture {};

TEST_F(ModuleEntryTest, AttachPrimesTheResourcesOnce) {
    EXPECT_EQ(frame::moduleGlobals().instance, frame::moduleInstanceHandle());
    EXPECT_EQ(frame::moduleGlobals().resourceOverride.GetDefaultResource(),
              frame::moduleInstanceHandle());
    EXPECT_FALSE(moduleAttach(frame::moduleInstanceHandle())) << "attached already";
    EXPECT_EQ(acrxGetApiVersion(), ACRX_APIVERSION);
}

TEST_F(ModuleEntryTest, InitUnlocksRegistersAndLoadsThePictures) {
    EXPECT_FALSE(linker().isApplicationLocked(&appId_));
    EXPECT_TRUE(linker().isAppMDIAware(&appId_));
    BITMAP info;
    ASSERT_NE(frame::moduleGlobals().checkedPicture.GetSafeHandle(), nullptr);
    ASSERT_NE(frame::moduleGlobals().uncheckedPicture.GetSafeHandle(), nullptr);
    EXPECT_GT(frame::moduleGlobals().checkedPicture.GetBitmap(&info), 0);
    EXPECT_GT(info.bmWidth, 0);
}

TEST_F(ModuleEntryTest, UnloadRemovesTheCommandGroupAndClosesTheModelessDialogs) {
    ASSERT_EQ(commands().addCommand(L"VARDUNE_SS", L"TFSSTEST", L"tfsstest", ACRX_CMD_MODAL,
                                    &someCommand),
              Acad::eOk);
    ASSERT_EQ(
        commands().addCommand(L"OTHER_GROUP", L"TFOTHER", L"tfother", ACRX_CMD_MODAL, &someCommand),
        Acad::eOk);
    MacroData data;
    int slot = -1;
    ASSERT_TRUE(frame::startMacroModeless<frametest::MacroDialog>(false, data, slot,
                                                                  frametest::kMacroTemplate));
    ASSERT_TRUE(frame::startMacroModeless<frametest::MacroDialog>(false, data, slot,
                                                                  frametest::kMacroTemplate));
    ASSERT_TRUE(frame::startConstraintEditor<frametest::ConstraintEditor>(
        EditConstrData{}, frametest::kEditorTemplate));

    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId_), AcRx::kRetOK);
    EXPECT_FALSE(commands().hasGroup(L"VARDUNE_SS"));
    EXPECT_TRUE(commands().hasGroup(L"OTHER_GROUP"));
    EXPECT_EQ(MacroDialogTable::instance().length(), 0);
    EXPECT_EQ(frame::ConstraintEditorSlot::instance().editor(), nullptr);
    commands().removeGroup(L"OTHER_GROUP");
}

TEST_F(ModuleEntryTest, OtherMessagesAreAnsweredAndIgnored) {
    MacroData data;
    int slot = -1;
    ASSERT_TRUE(frame::startMacroModeless<frametest::MacroDialog>(false, data, slot,
                                                                  frametest::kMacroTemplate));
    EXPECT_EQ(acrxEntryPoint(AcRx::kLoadDwgMsg, &appId_), AcRx::kRetOK);
    EXPECT_EQ(acrxEntryPoint(static_cast<AcRx::AppMsgCode>(99), &appId_), AcRx::kRetOK);
    EXPECT_EQ(MacroDialogTable::instance().length(), 1);
}

TEST_F(ModuleEntryTest, DetachDestroysWhatTheModuleStillHolds) {
    frametest::EvaluationRecord record;
    ASSERT_TRUE(frame::runPooledLauncher<frametest::StandardsDialog>(
        record, gSSDlgsMgr, frametest::kStandardsTemplate));
    MacroData busy;
    busy.busy = true;
    int slot = -1;
    ASSERT_TRUE(frame::startMacroModeless<frametest::MacroDialog>(false, busy, slot,
                                                                  frametest::kMacroTemplate));
    acrxEntryPoint(AcRx::kUnloadAppMsg, &appId_);
    EXPECT_EQ(MacroDialogTable::instance().length(), 1) << "a busy dialog outlives the unload";

    moduleDetach();
    EXPECT_EQ(gSSDlgsMgr.length(), 0);
    EXPECT_EQ(MacroDialogTable::instance().length(), 0);
    EXPECT_TRUE(MacroDialogTable::instance().pendingCloses().empty());
    EXPECT_EQ(frame::moduleGlobals().checkedPicture.GetSafeHandle(), nullptr);
    EXPECT_EQ(frame::moduleGlobals().instance, nullptr);
    host::CommandLine::instance().clear();
    ui::Clock::instance().advance(500);
    EXPECT_EQ(commandLineText(), L"") << "no timer is left behind";

    EXPECT_FALSE(moduleAttach(nullptr));
    EXPECT_TRUE(moduleAttach(frame::moduleInstanceHandle())) << "the module loads again";
}

} // namespace
