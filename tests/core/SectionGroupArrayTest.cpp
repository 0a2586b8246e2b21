#include "platform/core/sections/SectionGroupArray.h"

#include "platform/core/settings/Vdn_Settings.h"

#include <gtest/gtest.h>

namespace {

TEST(SectionGroupArray, NewGroupsGetIdsThatNoGroupUses) {
    SectionGroupArray groups;
    EXPECT_EQ(groups.appendNewGrp(L"I-profielen"), 0);
    EXPECT_EQ(groups.appendNewGrp(L"Buizen"), 1);
    EXPECT_EQ(groups.appendNewGrp(L"Hoeken"), 2);
    ASSERT_TRUE(groups.removeAt(1));
    // After removing a middle group and swapping the rest, ids stay with their groups.
    std::swap(groups[0], groups[1]);
    const int added = groups.appendNewGrp(L"Platen");
    EXPECT_EQ(groups[added].id, 3);
    EXPECT_TRUE(groups[added].enabled);
    EXPECT_EQ(groups[added].languageNames.length(), Vdn_Settings::kLanguageCount);
    EXPECT_EQ(groups[added].languageNames[0], L"Platen");
    EXPECT_EQ(groups.findId(0), 1);
    EXPECT_EQ(groups.findId(1), -1);

    Vdn_StringArray names{L"stale"};
    Vdn_Array<int> ids{7};
    groups.namesOfAllGroups(names, ids);
    EXPECT_EQ(names, (Vdn_StringArray{L"Hoeken", L"I-profielen", L"Platen"}));
    EXPECT_EQ(ids, (Vdn_Array<int>{2, 0, 3}));
}

} // namespace
