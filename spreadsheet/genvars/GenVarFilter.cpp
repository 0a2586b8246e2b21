#include "spreadsheet/genvars/GenVarFilter.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/text/StringHelpers.h"

#include <filesystem>
#include <system_error>

namespace genvars {

namespace {

namespace fs = std::filesystem;

Vdn_String windowsSeparators(const Vdn_String& path) {
    return path.replace(L"/", L"\\");
}

// The canonical form of an existing path, or nullopt.
std::optional<fs::path> canonicalOf(const Vdn_String& path) {
    const std::optional<fs::path> existing = core::resolveExisting(path);
    if (!existing)
        return std::nullopt;
    std::error_code error;
    fs::path canonical = fs::canonical(*existing, error);
    if (error)
        return std::nullopt;
    return canonical;
}

std::optional<Vdn_String> resolvedBelow(const Vdn_String& path, const Vdn_String& folder) {
    const std::optional<fs::path> file = canonicalOf(path);
    const std::optional<fs::path> base = canonicalOf(folder);
    if (!file || !base)
        return std::nullopt;
    auto part = file->begin();
    for (const fs::path& component : *base) {
        if (component.empty())
            continue; // a trailing separator
        if (part == file->end() || *part != component)
            return std::nullopt;
        ++part;
    }
    Vdn_String rest;
    for (; part != file->end(); ++part) {
        if (!rest.isEmpty())
            rest += L'\\';
        rest += core::fromNativePath(*part);
    }
    if (rest.isEmpty())
        return std::nullopt;
    return rest;
}

} // namespace

std::optional<Vdn_String> pathBelowFolder(const Vdn_String& path, const Vdn_String& folder) {
    Vdn_String base = windowsSeparators(folder);
    if (!base.isEmpty() && base[base.length() - 1] != L'\\')
        base += L'\\';
    const Vdn_String chosen = windowsSeparators(path);
    if (!base.isEmpty() && chosen.startsWith(base, false)) {
        Vdn_String rest = chosen.substr(base.length());
        while (!rest.isEmpty() && rest[0] == L'\\')
            rest = rest.substr(1);
        // "..\" would lead out of the folder again: only the file system can tell.
        bool climbs = false;
        for (const Vdn_String& part : strToArr(rest, L'\\'))
            climbs = climbs || part == L"..";
        if (rest.isEmpty())
            return std::nullopt;
        if (!climbs)
            return rest;
    }
    return resolvedBelow(path, folder);
}

Vdn_String appendFilterPaths(const Vdn_String& filter, const Vdn_StringArray& paths) {
    Vdn_StringArray parts;
    for (const Vdn_String& part : strToArr(filter, L';')) {
        if (!part.isEmpty())
            parts.append(part);
    }
    for (const Vdn_String& path : paths) {
        if (path.isEmpty() || path.find(L";") >= 0)
            continue;
        const Vdn_String spelled = windowsSeparators(path);
        bool known = false;
        for (const Vdn_String& part : parts)
            known = known || windowsSeparators(part).equal(spelled, false);
        if (!known)
            parts.append(path);
    }
    return arrToStr(parts, L';');
}

} // namespace genvars
