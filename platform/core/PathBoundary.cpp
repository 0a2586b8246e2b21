#include "platform/core/PathBoundary.h"

#include "platform/core/CharCase.h"
#include "platform/core/TextCodec.h"
#include "platform/core/Vdn_Settings.h"
#include "platform/core/Wildcard.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace core {

namespace {

fs::path fromUtf8(const std::string& utf8) {
    return fs::path(utf8);
}

fs::path nativeText(const std::wstring& text) {
    return fromUtf8(TextCodec::encodeUtf8(text));
}

bool isAsciiLetter(wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z');
}

bool existsNoThrow(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool isDirectoryNoThrow(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The entries of a folder ("" is the current folder), in ordinal name order.
std::vector<fs::path> listFolder(const fs::path& folder) {
    std::vector<fs::path> names;
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error))
        names.push_back(it->path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// The entry of folder whose name equals name case-insensitively; exact spelling first.
std::optional<fs::path> findInFolder(const fs::path& folder, const fs::path& name) {
    if (existsNoThrow(folder / name))
        return name;
    const Vdn_String wanted = fromNativePath(name);
    for (const fs::path& entry : listFolder(folder)) {
        if (equalNoCase(fromNativePath(entry).str(), wanted.str()))
            return entry;
    }
    return std::nullopt;
}

struct Walk {
    fs::path resolved;     // the part that exists, with its spelling on disk
    fs::path missingRest;  // the components from the first missing one, as given
    bool complete = false; // whether every component exists
};

// Resolves path component by component, case-insensitively where the exact spelling is
// missing.
Walk walk(const fs::path& path) {
    Walk result;
    if (existsNoThrow(path)) {
        result.resolved = path;
        result.complete = true;
        return result;
    }
    result.resolved = path.root_path();
    bool missing = false;
    for (const fs::path& component : path.relative_path()) {
        if (missing) {
            result.missingRest /= component;
            continue;
        }
        if (component.empty() || component == "." || component == "..") {
            result.resolved /= component;
            continue;
        }
        const std::optional<fs::path> entry = findInFolder(result.resolved, component);
        if (!entry) {
            missing = true;
            result.missingRest /= component;
            continue;
        }
        result.resolved /= *entry;
    }
    result.complete = !missing;
    return result;
}

} // namespace

bool hasWildcards(const Vdn_String& name) {
    return name.str().find_first_of(L"*?") != std::wstring::npos;
}

fs::path toNativePath(const Vdn_String& name) {
    std::wstring text = name.str();
    std::replace(text.begin(), text.end(), L'\\', L'/');
    if (text.size() >= 2 && isAsciiLetter(text[0]) && text[1] == L':') {
        std::wstring rest = text.substr(2);
        rest.erase(0, std::min(rest.find_first_not_of(L'/'), rest.size()));
        const std::wstring drive(1, toLowerChar(text[0]));
        fs::path mapped = nativeText(gSettings.rootDir().str()) / nativeText(drive);
        return rest.empty() ? mapped : mapped / nativeText(rest);
    }
    return nativeText(text);
}

std::optional<fs::path> resolveExisting(const Vdn_String& name) {
    if (name.isEmpty())
        return std::nullopt;
    if (hasWildcards(name)) {
        const std::vector<fs::path> matches = findMatching(name);
        if (matches.empty())
            return std::nullopt;
        return matches.front();
    }
    Walk result = walk(toNativePath(name));
    if (!result.complete)
        return std::nullopt;
    return result.resolved;
}

fs::path resolveForWriting(const Vdn_String& name) {
    if (name.isEmpty())
        return {};
    const Walk result = walk(toNativePath(name));
    return result.complete ? result.resolved : result.resolved / result.missingRest;
}

bool fileExists(const Vdn_String& name) {
    if (hasWildcards(name))
        return !findMatching(name).empty();
    const std::optional<fs::path> path = resolveExisting(name);
    return path && !isDirectoryNoThrow(*path);
}

std::vector<fs::path> findMatching(const Vdn_String& name) {
    std::vector<fs::path> matches;
    if (!hasWildcards(name)) {
        if (const std::optional<fs::path> path = resolveExisting(name);
            path && !isDirectoryNoThrow(*path))
            matches.push_back(*path);
        return matches;
    }
    const fs::path native = toNativePath(name);
    const std::wstring pattern = fromNativePath(native.filename()).str();
    const fs::path folderName = native.parent_path();
    if (pattern.empty() || hasWildcards(fromNativePath(folderName)))
        return matches;
    const Walk folder = walk(folderName);
    if (!folder.complete)
        return matches;
    for (const fs::path& entry : listFolder(folder.resolved)) {
        const fs::path full = folder.resolved / entry;
        if (wildcardMatch(pattern, fromNativePath(entry).str()) && !isDirectoryNoThrow(full))
            matches.push_back(full);
    }
    return matches;
}

Vdn_String fromNativePath(const fs::path& path) {
    std::wstring text;
    if (!TextCodec::decodeUtf8(path.native(), text))
        text = TextCodec::decodeWindows1252(path.native());
    return Vdn_String(std::move(text));
}

} // namespace core
