#include "spreadsheet/editor/PrintFilePaths.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"

namespace ss {

namespace {

bool isSeparator(wchar_t ch) {
    return ch == L'\\' || ch == L'/';
}

Vdn_String withBackslashes(const Vdn_String& path) {
    return path.replace(L"/", L"\\");
}

// name without folder when it starts with folder (folder ends with a separator).
bool cutFolder(const Vdn_String& name, const Vdn_String& folder, Vdn_String& rest) {
    if (folder.isEmpty())
        return false;
    const Vdn_String prefix = ensureEndBSlash(withBackslashes(folder));
    if (!withBackslashes(name).startsWith(prefix, false))
        return false;
    rest = name.substr(prefix.length());
    return true;
}

} // namespace

Vdn_String printSettingsFolder() {
    return ensureEndBSlash(withBackslashes(gSettings.vdnDir()));
}

Vdn_String parentFolder(const Vdn_String& folder) {
    std::wstring stripped = folder.str();
    while (!stripped.empty() && isSeparator(stripped.back()))
        stripped.pop_back();
    if (stripped.empty() || stripped.back() == L':')
        return folder;
    return getPath(Vdn_String(stripped));
}

Vdn_String fileNameOf(const Vdn_String& path) {
    return path.substr(getPath(path).length());
}

Vdn_String resolvePrintFile(const Vdn_String& name, const Vdn_String& baseFolder) {
    if (name.isEmpty() || name.find(L":") >= 0 || name.find(L"\\\\") >= 0)
        return name;
    Vdn_String rest = name;
    bool up = false;
    const int dots = name.find(L"..\\");
    if (dots >= 0) {
        rest = name.substr(0, dots) + name.substr(dots + 3);
        up = true;
    }
    const auto inFolder = [&](const Vdn_String& folder) {
        const Vdn_String withSlash = ensureEndBSlash(folder);
        return (up ? parentFolder(withSlash) : withSlash) + rest;
    };
    if (!baseFolder.isEmpty()) {
        const Vdn_String candidate = inFolder(baseFolder);
        if (core::fileExists(candidate))
            return candidate;
    }
    const Vdn_String candidate = inFolder(printSettingsFolder());
    if (core::fileExists(candidate))
        return candidate;
    return name;
}

Vdn_String storedPrintFile(const Vdn_String& name, const Vdn_String& baseFolder) {
    Vdn_String rest;
    if (cutFolder(name, baseFolder, rest) || cutFolder(name, printSettingsFolder(), rest))
        return rest;
    return name;
}

} // namespace ss
