#include "platform/ui/registry/RegistryProfile.h"

#include "platform/ui/registry/Registry.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace {

namespace fs = std::filesystem;
using ui::Registry;
using ui::RegistryProfile;

class RegistryProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("tessa-profile-" + std::to_string(std::random_device{}()));
        Registry::open(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

TEST_F(RegistryProfileTest, EntriesLiveUnderTheApplicationKeyAndSurviveARestart) {
    RegistryProfile profile(L"Tessaform", L"Tessa");
    EXPECT_TRUE(profile.WriteProfileString(L"Editor", L"Language", L"FR"));
    EXPECT_TRUE(profile.WriteProfileInt(L"Editor", L"Columns", 12));
    EXPECT_TRUE(profile.WriteProfileInt(L"Editor", L"Offset", -5));

    Registry& registry = Registry::open(folder_);
    HKEY key = nullptr;
    ASSERT_EQ(
        registry.openKey(HKEY_CURRENT_USER, L"Software\\Tessaform\\Tessa\\Editor", KEY_READ, key),
        ERROR_SUCCESS);
    ui::RegistryValue value;
    ASSERT_EQ(registry.getValue(key, L"Columns", value), ERROR_SUCCESS);
    EXPECT_EQ(value.dword(), 12u);
    registry.closeKey(key);

    const RegistryProfile again(L"Tessaform", L"Tessa");
    EXPECT_EQ(again.GetProfileString(L"Editor", L"Language"), Vdn_String(L"FR"));
    EXPECT_EQ(again.GetProfileInt(L"editor", L"COLUMNS", 0), 12u);
    EXPECT_EQ(static_cast<int>(again.GetProfileInt(L"Editor", L"Offset", 0)), -5);
}

TEST_F(RegistryProfileTest, MissingOrMistypedEntriesGiveTheDefault) {
    RegistryProfile profile(L"Tessaform", L"Tessa");
    ASSERT_TRUE(profile.WriteProfileString(L"S", L"Text", L"12"));
    ASSERT_TRUE(profile.WriteProfileInt(L"S", L"Number", 7));

    EXPECT_EQ(profile.GetProfileString(L"S", L"Missing", L"dflt"), Vdn_String(L"dflt"));
    EXPECT_EQ(profile.GetProfileString(L"Nowhere", L"Text"), Vdn_String());
    EXPECT_EQ(profile.GetProfileString(L"S", L"Number", L"dflt"), Vdn_String(L"dflt"));
    EXPECT_EQ(profile.GetProfileInt(L"S", L"Text", 3), 3u);
    EXPECT_EQ(profile.GetProfileInt(L"S", L"Missing", -1), static_cast<UINT>(-1));
    // Another application's entries are its own.
    EXPECT_EQ(RegistryProfile(L"Tessaform", L"Other").GetProfileInt(L"S", L"Number", 0), 0u);
    EXPECT_FALSE(profile.WriteProfileInt(L"", L"Number", 1));
    EXPECT_FALSE(profile.WriteProfileInt(nullptr, L"Number", 1));
}

TEST_F(RegistryProfileTest, NullValueDeletesTheEntryAndNullEntryTheSection) {
    RegistryProfile profile(L"Tessaform", L"Tessa");
    ASSERT_TRUE(profile.WriteProfileString(L"S", L"a", L"1"));
    ASSERT_TRUE(profile.WriteProfileString(L"S", L"b", L"2"));
    ASSERT_TRUE(profile.WriteProfileString(L"S\\Nested", L"c", L"3"));

    EXPECT_TRUE(profile.WriteProfileString(L"S", L"a", nullptr));
    EXPECT_EQ(profile.GetProfileString(L"S", L"a", L"gone"), Vdn_String(L"gone"));
    EXPECT_EQ(profile.GetProfileString(L"S", L"b"), Vdn_String(L"2"));
    EXPECT_TRUE(profile.WriteProfileString(L"S", L"a", nullptr)); // nothing left to delete

    EXPECT_TRUE(profile.WriteProfileString(L"S", nullptr, nullptr));
    EXPECT_EQ(profile.GetProfileString(L"S", L"b", L"gone"), Vdn_String(L"gone"));
    EXPECT_EQ(profile.GetProfileString(L"S\\Nested", L"c", L"gone"), Vdn_String(L"gone"));
}

TEST_F(RegistryProfileTest, WritesFailInAReadOnlyRegistry) {
    RegistryProfile profile(L"Tessaform", L"Tessa");
    ASSERT_TRUE(profile.WriteProfileInt(L"S", L"n", 1));
    Registry::open(folder_, Registry::Access::ReadOnly);
    EXPECT_FALSE(profile.WriteProfileInt(L"S", L"n", 2));
    EXPECT_FALSE(profile.WriteProfileString(L"S", L"t", L"x"));
    EXPECT_FALSE(profile.WriteProfileString(L"S", nullptr, nullptr));
    EXPECT_EQ(profile.GetProfileInt(L"S", L"n", 0), 1u);
}

} // namespace
