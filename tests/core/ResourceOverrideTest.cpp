#include "platform/core/settings/TfTempResourceOverride.h"

#include <gtest/gtest.h>

namespace {

int gModuleToken = 0;
int gCoreToken = 0;
const core::InstanceHandle kModule = &gModuleToken;
const core::InstanceHandle kCore = &gCoreToken;

// Every test starts and must end with the host's resources current.
class ResourceOverride : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(core::currentResourceInstance(), core::hostInstance()); }
    void TearDown() override { core::setCurrentResourceInstance(core::hostInstance()); }
};

// The launcher guard: Set on entry, Restore on exit only when Set returned true.
template <typename Body> void launcher(TfTempResourceOverride& override, Body body) {
    const bool switched = override.SetDefaultResource();
    body();
    if (switched)
        override.RestoreOriginalResource();
}

TEST_F(ResourceOverride, NothingSwitchesWithoutASavedDefault) {
    TfTempResourceOverride override;
    EXPECT_EQ(override.GetDefaultResource(), nullptr);
    EXPECT_FALSE(override.SetDefaultResource());
    EXPECT_FALSE(override.RestoreOriginalResource());
    EXPECT_EQ(core::currentResourceInstance(), core::hostInstance());
}

TEST_F(ResourceOverride, SetMakesTheDefaultCurrentAndRestoreUndoesIt) {
    TfTempResourceOverride override;
    override.SaveDefaultResource(kModule);
    EXPECT_EQ(override.GetDefaultResource(), kModule);
    ASSERT_TRUE(override.SetDefaultResource());
    EXPECT_EQ(core::currentResourceInstance(), kModule);
    EXPECT_TRUE(override.RestoreOriginalResource());
    EXPECT_EQ(core::currentResourceInstance(), core::hostInstance());
    EXPECT_FALSE(override.RestoreOriginalResource());
}

TEST_F(ResourceOverride, LauncherInsideALauncherLeavesTheResourcesAlone) {
    TfTempResourceOverride override;
    override.SaveDefaultResource(kModule);
    launcher(override, [&] {
        EXPECT_EQ(core::currentResourceInstance(), kModule);
        EXPECT_FALSE(override.SetDefaultResource()); // already current
        launcher(override, [&] { EXPECT_EQ(core::currentResourceInstance(), kModule); });
        EXPECT_EQ(core::currentResourceInstance(), kModule);
    });
    EXPECT_EQ(core::currentResourceInstance(), core::hostInstance());
}

TEST_F(ResourceOverride, CallOutAndBackInRestoresTheCallersResources) {
    TfTempResourceOverride module;
    module.SaveDefaultResource(kModule);
    TfTempResourceOverride coreModule;
    coreModule.SaveDefaultResource(kCore);
    launcher(module, [&] {
        // The dialog calls into the core module, which switches to its own resources and
        // calls a launcher of this module again.
        launcher(coreModule, [&] {
            EXPECT_EQ(core::currentResourceInstance(), kCore);
            launcher(module, [&] { EXPECT_EQ(core::currentResourceInstance(), kModule); });
            EXPECT_EQ(core::currentResourceInstance(), kCore);
        });
        EXPECT_EQ(core::currentResourceInstance(), kModule);
    });
    EXPECT_EQ(core::currentResourceInstance(), core::hostInstance());
}

} // namespace
