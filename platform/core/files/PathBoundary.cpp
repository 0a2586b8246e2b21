#include "platform/core/files/PathBoundary.h"

#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/CharCase.h"
#include "platform/core/text/TextCodec.h"
#include "platform/core/text/Wildcard.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <system_error>
#include <unordered_map>

#if defined(__linux__)
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace core {

namespace {

// A change made this long after a stamp was taken shows in the modification time even on file
// systems that keep it in whole seconds or two-second steps.
constexpr std::int64_t kSettleNanoseconds = 2'000'000'000;

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

// The case-insensitive form of a name: equalNoCase compares exactly these forms.
std::wstring folded(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& ch : result)
        ch = toLowerChar(ch);
    return result;
}

// A folder's entries in ordinal name order, with their texts, and where the first entry of
// each case-insensitive name is.
struct Listing {
    struct Entry {
        fs::path name;
        std::wstring text;
    };
    std::vector<Entry> entries;
    std::unordered_map<std::wstring, std::size_t> firstByFoldedName;
};

// Folder listings kept while the folder's stamp stays as it was. A folder changes its
// modification time whenever an entry is added, removed or renamed, which is all a listing
// holds. Listings are keyed by absolute path, so a change of the current folder cannot hand
// out another folder's listing.
class FolderListings {
public:
    static constexpr std::size_t kCapacity = 256;

    static FolderListings& instance() {
        static FolderListings listings;
        return listings;
    }

    // The listing of folder ("" is the current folder); empty when it cannot be read. exists
    // (when given) tells whether the folder, or a file of that name, exists as spelled.
    std::shared_ptr<const Listing> get(const fs::path& folder, bool* exists = nullptr) {
        const fs::path where = folder.empty() ? fs::path(".") : folder;
        const std::optional<FileStamp> stamp = fileStamp(where);
        if (exists != nullptr)
            *exists = stamp.has_value();
        if (!stamp)
            return empty();
        std::error_code error;
        const fs::path absolute = where.is_absolute() ? where : fs::absolute(where, error);
        const std::string& key = absolute.native();
        if (!error) {
            const auto found = slots_.find(key);
            if (found != slots_.end() && found->second.stamp.sameAs(*stamp)) {
                found->second.lastUse = ++uses_;
                return found->second.listing;
            }
        }
        bool complete = false;
        std::shared_ptr<const Listing> listing = read(where, complete);
        if (!error && stamp->settled && stamp->directory && complete) {
            if (slots_.find(key) == slots_.end())
                makeRoom();
            slots_[key] = Slot{*stamp, listing, ++uses_};
        }
        return listing;
    }

    void clear() { slots_.clear(); }

private:
    struct Slot {
        FileStamp stamp;
        std::shared_ptr<const Listing> listing;
        std::uint64_t lastUse = 0;
    };

    // The entries as far as the folder could be read; complete tells whether it was read
    // to the end.
    static std::shared_ptr<const Listing> read(const fs::path& folder, bool& complete) {
        std::vector<fs::path> names;
        std::error_code error;
        fs::directory_iterator it(folder, error);
        for (; !error && it != fs::directory_iterator(); it.increment(error))
            names.push_back(it->path().filename());
        complete = !error;
        std::sort(names.begin(), names.end());
        auto listing = std::make_shared<Listing>();
        listing->entries.reserve(names.size());
        for (fs::path& name : names) {
            std::wstring text = fromNativePath(name).str();
            listing->firstByFoldedName.try_emplace(folded(text), listing->entries.size());
            listing->entries.push_back({std::move(name), std::move(text)});
        }
        return listing;
    }

    static std::shared_ptr<const Listing> empty() {
        static const auto kEmpty = std::make_shared<const Listing>();
        return kEmpty;
    }

    void makeRoom() {
        while (slots_.size() >= kCapacity) {
            const auto oldest =
                std::min_element(slots_.begin(), slots_.end(), [](const auto& a, const auto& b) {
                    return a.second.lastUse < b.second.lastUse;
                });
            slots_.erase(oldest);
        }
    }

    std::unordered_map<std::string, Slot> slots_;
    std::uint64_t uses_ = 0;
};

// The entry of the listing whose name equals name case-insensitively, the first in name
// order.
std::optional<fs::path> findInListing(const Listing& listing, const fs::path& name) {
    const auto found = listing.firstByFoldedName.find(folded(fromNativePath(name).str()));
    if (found == listing.firstByFoldedName.end())
        return std::nullopt;
    return listing.entries[found->second].name;
}

// The entry of folder whose name equals name case-insensitively; exact spelling first.
std::optional<fs::path> findInFolder(const fs::path& folder, const fs::path& name) {
    if (existsNoThrow(folder / name))
        return name;
    return findInListing(*FolderListings::instance().get(folder), name);
}

// A component that names an entry of its folder (not ".", ".." or empty).
bool isPlainName(const fs::path& component) {
    return !component.empty() && component != "." && component != "..";
}

struct Walk {
    fs::path resolved;     // the part that exists, with its spelling on disk
    fs::path missingRest;  // the components from the first missing one, as given
    bool complete = false; // whether every component exists
    // The status of the resolved path when the walk looked it up.
    std::optional<fs::file_status> status;
};

// Resolves path component by component, case-insensitively where the exact spelling is
// missing.
Walk walk(const fs::path& path) {
    Walk result;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::exists(status)) {
        result.resolved = path;
        result.complete = true;
        result.status = status;
        return result;
    }
    // Mostly only the last component is missing or spelled otherwise. When its folder exists
    // as spelled, every component of that folder does too, and only the last one needs
    // looking for.
    const fs::path name = path.filename();
    const fs::path parent = path.parent_path();
    if (isPlainName(name) && parent != path) {
        bool parentExists = false;
        const std::shared_ptr<const Listing> listing =
            FolderListings::instance().get(parent, &parentExists);
        if (parentExists) {
            result.resolved = parent;
            if (const std::optional<fs::path> entry = findInListing(*listing, name)) {
                result.resolved /= *entry;
                result.complete = true;
            } else {
                result.missingRest = name;
            }
            return result;
        }
    }
    result.resolved = path.root_path();
    bool missing = false;
    for (const fs::path& component : path.relative_path()) {
        if (missing) {
            result.missingRest /= component;
            continue;
        }
        if (!isPlainName(component)) {
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

bool isDirectory(const Walk& walked) {
    return walked.status ? fs::is_directory(*walked.status) : isDirectoryNoThrow(walked.resolved);
}

std::int64_t nanosecondsSinceEpoch(std::chrono::nanoseconds since) {
    return static_cast<std::int64_t>(since.count());
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

namespace {

// The entry name denotes; with filesOnly a folder does not count. Wildcards match files only.
std::optional<fs::path> resolve(const Vdn_String& name, bool filesOnly) {
    if (name.isEmpty())
        return std::nullopt;
    if (hasWildcards(name)) {
        const std::vector<fs::path> matches = findMatching(name);
        if (matches.empty())
            return std::nullopt;
        return matches.front();
    }
    Walk result = walk(toNativePath(name));
    if (!result.complete || (filesOnly && isDirectory(result)))
        return std::nullopt;
    return std::move(result.resolved);
}

} // namespace

std::optional<fs::path> resolveExisting(const Vdn_String& name) {
    return resolve(name, false);
}

std::optional<fs::path> resolveExistingFile(const Vdn_String& name) {
    return resolve(name, true);
}

fs::path resolveForWriting(const Vdn_String& name) {
    if (name.isEmpty())
        return {};
    const Walk result = walk(toNativePath(name));
    return result.complete ? result.resolved : result.resolved / result.missingRest;
}

bool fileExists(const Vdn_String& name) {
    return resolveExistingFile(name).has_value();
}

bool respellFile(const Vdn_String& name, const Vdn_String& newFileName) {
    const std::wstring& wanted = newFileName.str();
    if (wanted.empty() || wanted.find_first_of(L"\\/") != std::wstring::npos || wanted == L"." ||
        wanted == L"..")
        return false;
    const std::optional<fs::path> existing = resolveExistingFile(name);
    if (!existing)
        return false;
    std::error_code error;
    fs::rename(*existing, existing->parent_path() / toNativePath(newFileName), error);
    clearFolderListings();
    return !error;
}

std::vector<fs::path> findMatching(const Vdn_String& name) {
    std::vector<fs::path> matches;
    if (!hasWildcards(name)) {
        if (std::optional<fs::path> path = resolveExistingFile(name))
            matches.push_back(std::move(*path));
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
    const std::shared_ptr<const Listing> listing = FolderListings::instance().get(folder.resolved);
    for (const Listing::Entry& entry : listing->entries) {
        if (!wildcardMatch(pattern, entry.text))
            continue;
        fs::path full = folder.resolved / entry.name;
        if (!isDirectoryNoThrow(full))
            matches.push_back(std::move(full));
    }
    return matches;
}

Vdn_String fromNativePath(const fs::path& path) {
    std::wstring text;
    if (!TextCodec::decodeUtf8(path.native(), text))
        text = TextCodec::decodeWindows1252(path.native());
    return Vdn_String(std::move(text));
}

std::optional<FileStamp> fileStamp(const fs::path& path) {
    FileStamp stamp;
#if defined(__linux__)
    const std::int64_t now =
        nanosecondsSinceEpoch(std::chrono::system_clock::now().time_since_epoch());
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    stamp.size = static_cast<std::uintmax_t>(info.st_size);
    stamp.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                     static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.directory = S_ISDIR(info.st_mode);
#else
    const std::int64_t now =
        nanosecondsSinceEpoch(fs::file_time_type::clock::now().time_since_epoch());
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status))
        return std::nullopt;
    stamp.directory = fs::is_directory(status);
    if (!stamp.directory) {
        stamp.size = fs::file_size(path, error);
        if (error)
            return std::nullopt;
    }
    const fs::file_time_type modified = fs::last_write_time(path, error);
    if (error)
        return std::nullopt;
    stamp.modified = nanosecondsSinceEpoch(modified.time_since_epoch());
#endif
    stamp.settled = now - stamp.modified >= kSettleNanoseconds;
    return stamp;
}

void clearFolderListings() {
    FolderListings::instance().clear();
}

Vdn_String shownPath(const Vdn_String& name) {
    return fromNativePath(toNativePath(name));
}

} // namespace core
