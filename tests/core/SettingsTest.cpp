#include "TempFolder.h"
#include "platform/core/settings/Vdn_Settings.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace {

// Sets or clears environment variables for one test and puts them back afterwards.
class Environment {
public:
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    void set(const std::string& name, const char* value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value)
            setenv(name.c_str(), value, 1);
        else
            unsetenv(name.c_str());
    }

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

const char* const kVariables[] = {"TESSA_DIR",       "TESSA_LIBRARY",  "TESSA_ROOT",
                                  "TESSA_RESOURCES", "TESSA_REGISTRY", "TESSA_LANGUAGE"};

TEST(Vdn_Settings, DefaultsPointAtTheBundledFolders) {
    Environment environment;
    for (const char* name : kVariables)
        environment.set(name, nullptr);
    environment.set("HOME", "/home/someone");
    Vdn_Settings settings;
    EXPECT_TRUE(settings.loadFromEnvironment());
    const Vdn_String source = Vdn_String::fromUtf8(TESSA_SOURCE_ROOT);
    EXPECT_EQ(settings.libDir(), source + L"/examples/library/");
    EXPECT_EQ(settings.resourceDir(), source + L"/resources");
    EXPECT_EQ(settings.vdnDir().str(), L"/home/someone/.tessa");
    EXPECT_EQ(settings.rootDir().str(), L"/home/someone/.tessa/root");
    EXPECT_EQ(settings.registryDir().str(), L"/home/someone/.tessa/registry");
    EXPECT_EQ(settings.workLanguage(), Vdn_Settings::Dutch);

    environment.set("HOME", nullptr);
    EXPECT_TRUE(settings.loadFromEnvironment());
    EXPECT_TRUE(settings.vdnDir().startsWith(L"/tmp/tessa-", true));
}

TEST(Vdn_Settings, EnvironmentOverridesEverySetting) {
    Environment environment;
    environment.set("TESSA_DIR", "/opt/tessa/");
    environment.set("TESSA_LIBRARY", "/data/lib");
    environment.set("TESSA_ROOT", "/drives");
    environment.set("TESSA_RESOURCES", "/res//");
    environment.set("TESSA_REGISTRY", "/reg");
    environment.set("TESSA_LANGUAGE", "FR");
    Vdn_Settings settings;
    EXPECT_TRUE(settings.loadFromEnvironment());
    EXPECT_EQ(settings.vdnDir().str(), L"/opt/tessa");
    EXPECT_EQ(settings.libDir().str(), L"/data/lib/");
    EXPECT_EQ(settings.rootDir().str(), L"/drives");
    EXPECT_EQ(settings.resourceDir().str(), L"/res");
    EXPECT_EQ(settings.registryDir().str(), L"/reg");
    EXPECT_EQ(settings.workLanguage(), Vdn_Settings::French);

    environment.set("TESSA_LANGUAGE", "de");
    EXPECT_FALSE(settings.loadFromEnvironment());
    EXPECT_EQ(settings.workLanguage(), Vdn_Settings::Dutch);
    EXPECT_EQ(settings.rootDir().str(), L"/drives");
}

TEST(Vdn_Settings, LibraryFolderKeepsItsSeparatorStyle) {
    Vdn_Settings settings;
    settings.setLibDir(L"c:\\Tessa\\Library");
    EXPECT_EQ(settings.libDir().str(), L"c:\\Tessa\\Library\\");
    settings.setLibDir(L"c:\\Tessa\\Library\\");
    EXPECT_EQ(settings.libDir().str(), L"c:\\Tessa\\Library\\");
    settings.setLibDir(L"/srv/library");
    EXPECT_EQ(settings.libDir().str(), L"/srv/library/");
}

TEST(Vdn_Settings, LanguagesByNumberAndCode) {
    Vdn_Settings settings;
    EXPECT_TRUE(settings.setWorkLanguage(Vdn_Settings::English));
    EXPECT_FALSE(settings.setWorkLanguage(3));
    EXPECT_FALSE(settings.setWorkLanguage(-1));
    EXPECT_EQ(settings.workLanguage(), Vdn_Settings::English);
    const std::pair<const wchar_t*, int> codes[] = {
        {L"nl", 0}, {L"EN", 1}, {L" fr ", 2}, {L"2", 2}, {L"de", -1}, {L"", -1}, {L"3", -1}};
    for (const auto& [code, language] : codes)
        EXPECT_EQ(Vdn_Settings::languageFromCode(code), language) << Vdn_String(code).toUtf8();
    EXPECT_EQ(Vdn_Settings::languageCode(1).str(), L"en");
    EXPECT_TRUE(Vdn_Settings::languageCode(7).isEmpty());
}

} // namespace
