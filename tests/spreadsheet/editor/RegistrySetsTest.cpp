#include "platform/ui/registry/Registry.h"
#include "spreadsheet/editor/TfSSRegistrySets.h"
#include "tests/host/TempRegistry.h"

#include <gtest/gtest.h>

namespace {

// Sets one value of the editor's key directly, as another program might have left it.
void putValue(const wchar_t* name, ui::RegistryValue value) {
    ui::Registry& registry = ui::Registry::current();
    HKEY key = nullptr;
    ASSERT_EQ(registry.createKey(HKEY_LOCAL_MACHINE, TfSSRegistrySets::kKey, KEY_ALL_ACCESS, key,
                                 nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(registry.setValue(key, name, std::move(value)), ERROR_SUCCESS);
    registry.closeKey(key);
}

TEST(TfSSRegistrySets, StartsWithEnglishAndNoDefaultSettings) {
    const TfSSRegistrySets sets;
    EXPECT_EQ(sets.language, L"EN");
    EXPECT_TRUE(sets.defaultSettings.isEmpty());
}

TEST(TfSSRegistrySets, WrittenValuesAreReadBackByTheNextRun) {
    TempRegistry registry;
    TfSSRegistrySets written;
    written.language = L"NL";
    written.defaultSettings = L"Kantoor A4";
    ASSERT_TRUE(written.write());

    registry.reopen(ui::Registry::Access::ReadOnly);
    TfSSRegistrySets read;
    EXPECT_TRUE(read.read());
    EXPECT_EQ(read.language, L"NL");
    EXPECT_EQ(read.defaultSettings, L"Kantoor A4");

    // The values live under the machine-wide key, with their names.
    ui::Registry& current = ui::Registry::current();
    HKEY key = nullptr;
    ASSERT_EQ(current.openKey(HKEY_LOCAL_MACHINE, L"software\\TESSAFORM\\Spreadsheet Editor v1.0",
                              KEY_READ, key),
              ERROR_SUCCESS);
    ui::RegistryValue value;
    ASSERT_EQ(current.getValue(key, L"Default Settings", value), ERROR_SUCCESS);
    EXPECT_EQ(value.type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(value.text(), L"Kantoor A4");
    current.closeKey(key);
}

TEST(TfSSRegistrySets, ValuesThatCannotBeReadKeepTheirFields) {
    struct Case {
        const char* what;
        bool language;      // put a text "FR" under "Language"
        bool settings;      // put a text "Huis" under "Default Settings"
        bool settingsDword; // put a number under "Default Settings" instead
        bool readsBoth;
        const wchar_t* expectedLanguage;
        const wchar_t* expectedSettings;
    };
    const Case cases[] = {
        {"no key", false, false, false, false, L"NL", L"mine"},
        {"only the language", true, false, false, false, L"FR", L"mine"},
        {"only the settings", false, true, false, false, L"NL", L"Huis"},
        {"settings of another type", true, false, true, false, L"FR", L"mine"},
        {"both", true, true, false, true, L"FR", L"Huis"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempRegistry registry;
        if (c.language)
            putValue(TfSSRegistrySets::kLanguageValue, ui::RegistryValue::fromText(L"FR", REG_SZ));
        if (c.settings)
            putValue(TfSSRegistrySets::kDefaultSettingsValue,
                     ui::RegistryValue::fromText(L"Huis", REG_SZ));
        if (c.settingsDword)
            putValue(TfSSRegistrySets::kDefaultSettingsValue, ui::RegistryValue::fromDword(7));
        TfSSRegistrySets sets;
        sets.language = L"NL";
        sets.defaultSettings = L"mine";
        EXPECT_EQ(sets.read(), c.readsBoth);
        EXPECT_EQ(sets.language, c.expectedLanguage);
        EXPECT_EQ(sets.defaultSettings, c.expectedSettings);
    }
}

TEST(TfSSRegistrySets, WritingToARegistryThatRefusesIsReported) {
    TempRegistry registry(ui::Registry::Access::ReadOnly);
    TfSSRegistrySets sets;
    sets.defaultSettings = L"Huis";
    EXPECT_FALSE(sets.write());
    TfSSRegistrySets read;
    EXPECT_FALSE(read.read());
    EXPECT_EQ(read.defaultSettings, L"");
}

} // namespace
