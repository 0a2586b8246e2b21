#include "platform/core/settings/Vdn_Settings.h"

#include "platform/core/text/CharCase.h"

#include <cstdlib>
#include <unistd.h>

#ifndef TESSA_SOURCE_ROOT
#error "TESSA_SOURCE_ROOT must name the source folder (set by tessa_library)"
#endif

Vdn_Settings gSettings;

namespace {

// An environment variable as text; empty when unset.
Vdn_String environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? Vdn_String::fromUtf8(value) : Vdn_String();
}

Vdn_String sourceRoot() {
    return Vdn_String::fromUtf8(TESSA_SOURCE_ROOT);
}

Vdn_String userFolder() {
    const Vdn_String home = environment("HOME");
    if (!home.isEmpty())
        return home + L"/.tessa";
    return Vdn_String(L"/tmp/tessa-") + Vdn_String(static_cast<int>(getuid()));
}

Vdn_String withoutTrailingSeparator(const Vdn_String& dir) {
    std::wstring s = dir.str();
    while (s.size() > 1 && (s.back() == L'/' || s.back() == L'\\'))
        s.pop_back();
    return Vdn_String(std::move(s));
}

} // namespace

Vdn_Settings::Vdn_Settings() {
    resetToDefaults();
}

void Vdn_Settings::resetToDefaults() {
    const Vdn_String user = userFolder();
    vdnDir_ = user;
    setLibDir(sourceRoot() + L"/examples/library");
    workLanguage_ = Dutch;
    rootDir_ = user + L"/root";
    resourceDir_ = sourceRoot() + L"/resources";
    registryDir_ = user + L"/registry";
}

bool Vdn_Settings::loadFromEnvironment() {
    resetToDefaults();
    if (const Vdn_String v = environment("TESSA_DIR"); !v.isEmpty())
        setVdnDir(v);
    if (const Vdn_String v = environment("TESSA_LIBRARY"); !v.isEmpty())
        setLibDir(v);
    if (const Vdn_String v = environment("TESSA_ROOT"); !v.isEmpty())
        setRootDir(v);
    if (const Vdn_String v = environment("TESSA_RESOURCES"); !v.isEmpty())
        setResourceDir(v);
    if (const Vdn_String v = environment("TESSA_REGISTRY"); !v.isEmpty())
        setRegistryDir(v);
    if (const Vdn_String v = environment("TESSA_LANGUAGE"); !v.isEmpty())
        return setWorkLanguage(languageFromCode(v));
    return true;
}

void Vdn_Settings::setVdnDir(const Vdn_String& dir) {
    vdnDir_ = withoutTrailingSeparator(dir);
}

void Vdn_Settings::setLibDir(const Vdn_String& dir) {
    libDir_ = dir;
    if (libDir_.isEmpty())
        return;
    const wchar_t last = libDir_.at(libDir_.length() - 1);
    if (last != L'/' && last != L'\\') {
        // Keep the path's own separator style.
        const bool windowsStyle = libDir_.find(L"\\") >= 0 && libDir_.find(L"/") < 0;
        libDir_ += windowsStyle ? L'\\' : L'/';
    }
}

bool Vdn_Settings::setWorkLanguage(int language) {
    if (language < 0 || language >= kLanguageCount)
        return false;
    workLanguage_ = language;
    return true;
}

void Vdn_Settings::setRootDir(const Vdn_String& dir) {
    rootDir_ = withoutTrailingSeparator(dir);
}

void Vdn_Settings::setResourceDir(const Vdn_String& dir) {
    resourceDir_ = withoutTrailingSeparator(dir);
}

void Vdn_Settings::setRegistryDir(const Vdn_String& dir) {
    registryDir_ = withoutTrailingSeparator(dir);
}

Vdn_String Vdn_Settings::languageCode(int language) {
    switch (language) {
    case Dutch:
        return L"nl";
    case English:
        return L"en";
    case French:
        return L"fr";
    default:
        return {};
    }
}

int Vdn_Settings::languageFromCode(const Vdn_String& code) {
    const Vdn_String text = code.trim();
    for (int language = 0; language < kLanguageCount; ++language) {
        if (text.equal(languageCode(language), false) || text == Vdn_String(language))
            return language;
    }
    return -1;
}
