#include "module/ResourceSwitch.h"

#include "platform/core/settings/ResourceInstance.h"
#include "platform/core/settings/TfTempResourceOverride.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

int moduleTag = 0;
int otherTag = 0;

class ResourceSwitchTest : public ::testing::Test {
protected:
    void SetUp() override {
        mBefore = core::currentResourceInstance();
        mOverride.SaveDefaultResource(&moduleTag);
    }
    void TearDown() override { core::setCurrentResourceInstance(mBefore); }

    // Returns early from inside the switch when asked to.
    bool launcherWithEarlyReturn(bool early) {
        frame::ResourceSwitch resources(mOverride);
        if (early)
            return false;
        return core::currentResourceInstance() == &moduleTag;
    }

    TfTempResourceOverride mOverride;
    core::InstanceHandle mBefore = nullptr;
};

TEST_F(ResourceSwitchTest, SwitchesForItsScopeOnEveryWayOut) {
    {
        frame::ResourceSwitch resources(mOverride);
        EXPECT_TRUE(resources.switched());
        EXPECT_EQ(core::currentResourceInstance(), &moduleTag);
    }
    EXPECT_EQ(core::currentResourceInstance(), mBefore);

    EXPECT_FALSE(launcherWithEarlyReturn(true));
    EXPECT_EQ(core::currentResourceInstance(), mBefore);
    EXPECT_TRUE(launcherWithEarlyReturn(false));
    EXPECT_EQ(core::currentResourceInstance(), mBefore);

    EXPECT_THROW(
        {
            frame::ResourceSwitch resources(mOverride);
            throw std::runtime_error("passes through the launcher");
        },
        std::runtime_error);
    EXPECT_EQ(core::currentResourceInstance(), mBefore);
}

TEST_F(ResourceSwitchTest, AnInnerSwitchLeavesTheOuterOneAlone) {
    frame::ResourceSwitch outer(mOverride);
    {
        frame::ResourceSwitch inner(mOverride);
        EXPECT_FALSE(inner.switched()) << "the module's resources are current already";
    }
    EXPECT_EQ(core::currentResourceInstance(), &moduleTag);

    // A call out to another module and back in switches again and restores that module's.
    core::setCurrentResourceInstance(&otherTag);
    {
        frame::ResourceSwitch callback(mOverride);
        EXPECT_TRUE(callback.switched());
        EXPECT_EQ(core::currentResourceInstance(), &moduleTag);
    }
    EXPECT_EQ(core::currentResourceInstance(), &otherTag);
    core::setCurrentResourceInstance(&moduleTag);
}

TEST_F(ResourceSwitchTest, WithoutASavedDefaultNothingSwitches) {
    TfTempResourceOverride unprimed;
    core::setCurrentResourceInstance(&otherTag);
    {
        frame::ResourceSwitch resources(unprimed);
        EXPECT_FALSE(resources.switched());
        EXPECT_EQ(core::currentResourceInstance(), &otherTag);
    }
    EXPECT_EQ(core::currentResourceInstance(), &otherTag);
}

} // namespace
