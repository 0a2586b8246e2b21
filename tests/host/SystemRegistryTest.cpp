#include "platform/host/AcEdCommandStack.h"
#include "platform/host/AcRxDictionary.h"
#include "platform/host/AcRxDynamicLinker.h"

#include <gtest/gtest.h>

namespace {

void commandA() {}
void commandB() {}

TEST(SystemRegistry, HoldsTheLinkerAndTheCommandStack) {
    AcRxDictionary* registry = acrxSysRegistry();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(registry, acrxSysRegistry());
    EXPECT_NE(AcRxDynamicLinker::cast(registry->at(L"DynamicLinker")), nullptr);
    AcEdCommandStack* commands = AcEdCommandStack::cast(registry->at(L"ACAD_REGISTERED_COMMANDS"));
    ASSERT_NE(commands, nullptr);
    EXPECT_EQ(AcEdCommandStack::cast(registry->at(L"AcEdCommandStack")), commands);
    EXPECT_NE(AcRxDictionary::cast(registry->at(L"ClassDictionary")), nullptr);
    EXPECT_EQ(registry->at(L"NoSuchEntry"), nullptr);
    EXPECT_EQ(registry->at(nullptr), nullptr);
    EXPECT_EQ(AcRxDynamicLinker::cast(registry->at(L"ACAD_REGISTERED_COMMANDS")), nullptr)
        << "a cast to the wrong class gives null";
}

TEST(AcEdCommandStack, GroupsAreAddedAndRemovedWhole) {
    AcEdCommandStack stack;
    EXPECT_EQ(stack.addCommand(L"VARDUNE_SS", L"SSA", L"ssa", ACRX_CMD_MODAL, &commandA),
              Acad::eOk);
    EXPECT_EQ(stack.addCommand(L"VARDUNE_SS", L"SSB", nullptr, ACRX_CMD_MODAL, &commandB),
              Acad::eOk);
    EXPECT_EQ(stack.addCommand(L"OTHER", L"OTHERA", L"", ACRX_CMD_TRANSPARENT, &commandA),
              Acad::eOk);
    EXPECT_EQ(stack.addCommand(L"OTHER", L"SSA", L"", ACRX_CMD_MODAL, &commandB),
              Acad::eInvalidInput)
        << "global names are unique across groups";
    EXPECT_EQ(stack.addCommand(L"", L"X", L"", ACRX_CMD_MODAL, &commandB), Acad::eInvalidInput);
    EXPECT_EQ(stack.addCommand(L"G", L"X", L"", ACRX_CMD_MODAL, nullptr), Acad::eInvalidInput);
    EXPECT_EQ(stack.lookupCmd(L"SSA"), &commandA);

    EXPECT_EQ(stack.removeGroup(L"VARDUNE_SS"), Acad::eOk);
    EXPECT_FALSE(stack.hasGroup(L"VARDUNE_SS"));
    EXPECT_EQ(stack.lookupCmd(L"SSB"), nullptr);
    EXPECT_TRUE(stack.hasGroup(L"OTHER"));
    EXPECT_EQ(stack.removeGroup(L"VARDUNE_SS"), Acad::eInvalidInput);
}

TEST(AcRxDynamicLinker, ApplicationsAreLockedAndSingleDocumentUntilTheySayOtherwise) {
    AcRxDynamicLinker linker;
    int app = 0;
    EXPECT_TRUE(linker.isApplicationLocked(&app));
    EXPECT_FALSE(linker.isAppMDIAware(&app));
    EXPECT_TRUE(linker.unlockApplication(&app));
    EXPECT_EQ(linker.registerAppMDIAware(&app), Acad::eOk);
    EXPECT_FALSE(linker.isApplicationLocked(&app));
    EXPECT_TRUE(linker.isAppMDIAware(&app));
    EXPECT_TRUE(linker.lockApplication(&app));
    EXPECT_TRUE(linker.isApplicationLocked(&app));
    EXPECT_FALSE(linker.unlockApplication(nullptr));
    EXPECT_EQ(linker.registerAppMDIAware(nullptr), Acad::eInvalidInput);
    linker.reset();
    EXPECT_FALSE(linker.isAppMDIAware(&app));
}

} // namespace
