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
        before_ = core::currentResourceInstance();
        override_.SaveDefaultResource(&moduleTag);
    }
    void TearDown() override { core::setCurrentResourceInstance(before_); }

    // Returns early from inside the switch when asked to.
    bool launcherWithEarlyReturn(bool early) {
        frame::ResourceSwitch resources(override_);
        if (early)
            return false;
        return core::currentResourceInstance() == &moduleTag;
    }

    TfTempResourceOverride override_;
    core::InstanceHandle before_ = nullptr;
};

TEST_F(ResourceSwitchTest, SwitchesForItsScopeOnEveryWayOut) {
    {
        frame::ResourceSwitch resources(override_);
        EXPECT_TRUE(resources.switched());
        EXPECT_EQ(core::currentResourceInstance(), &moduleTag);
    }
    EXPECT_EQ(core::currentResourceInstance(), before_);

    EXPECT_FALSE(launcherWithEarlyReturn(true));
    EXPECT_EQ(core::currentResourceInstance(), before_);
    EXPECT_TRUE(launcherWithEarlyReturn(false));
    EXPECT_EQ(core::currentResourceInstance(), before_);

    EXPECT_THROW(
        {
            frame::ResourceSwitch resources(override_);
            throw std::runtime_error("passes through the launcher");
        },
        std::runtime_error);
    EXPECT_EQ(core::currentResourceInstance(), before_);
}

TEST_F(ResourceSwitchTest, AnInnerSwitchLeavesTheOuterOneAlone) {
    frame::ResourceSwitch outer(override_);
    {
        frame::ResourceSwitch inner(override_);
        EXPECT_FALSE(inner.switched()) << "the module's resources are current already";
    }
    EXPECT_EQ(core::currentResourceInstance(), &moduleTag);

    // A call out to another module and back in switches again and restores that module's.
    core::setCurrentResourceInstance(&otherTag);
    {
        frame::ResourceSwitch callback(override_);
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
