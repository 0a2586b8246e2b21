#pragma once

#include "module/ModuleEntry.h"
#include "platform/host/AcRxDictionary.h"
#include "platform/host/AcRxDynamicLinker.h"
#include "platform/host/CommandLine.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/users/ScriptedUser.h"
#include "platform/ui/users/UserScope.h"
#include "tests/host/TempRegistry.h"

#include <gtest/gtest.h>

// The module loaded as the host loads it (attach, init message), with a scripted user and a
// registry of its own; unloaded and detached again after the test.
class ModuleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        host::CommandLine::instance().clear();
        ASSERT_TRUE(moduleAttach(frame::moduleInstanceHandle()));
        acrxEntryPoint(AcRx::kInitAppMsg, &appId_);
    }
    void TearDown() override {
        acrxEntryPoint(AcRx::kUnloadAppMsg, &appId_);
        moduleDetach();
        host::destroyMainWindow();
        if (auto* linker = AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER)))
            linker->reset();
        host::CommandLine::instance().clear();
        EXPECT_TRUE(user_.verify()) << Vdn_String(user_.failureText()).toUtf8();
    }

    static const std::wstring& commandLineText() { return host::CommandLine::instance().text(); }
    static int promptCount() { return host::CommandLine::instance().promptCount(); }

    int appId_ = 0;
    TempRegistry registry_;
    ui::ScriptedUser user_;
    ui::UserScope userScope_{user_};
};
