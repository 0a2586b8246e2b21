#include "spreadsheet/standards/SheetFileCache.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/TSpread.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace ss {

SheetFileCache& SheetFileCache::instance() {
    static SheetFileCache cache;
    return cache;
}

namespace {

fs::path canonicalOf(const fs::path& absolute) {
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : canonical;
}

} // namespace

const SheetFileCache::Slot* SheetFileCache::unchanged(const std::string& key,
                                                      const core::FileStamp& stamp) const {
    const auto found = entries_.find(key);
    if (found == entries_.end() || !found->second.entry->stamp.sameAs(stamp))
        return nullptr;
    return &found->second;
}

std::shared_ptr<const SheetFileCache::Entry> SheetFileCache::load(TSpread& control,
                                                                  const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error)
        return nullptr;
    // One look at the file gives its size and time.
    const std::optional<core::FileStamp> stamp = core::fileStamp(absolute);
    if (!stamp || stamp->directory)
        return nullptr;

    // The native (UTF-8) name: a wide conversion of a path depends on a locale.
    const std::string& key = absolute.native();
    if (const Slot* slot = unchanged(key, *stamp)) {
        if (!control.sheet().restore(slot->entry->snapshot))
            return nullptr;
        control.Invalidate();
        Slot& used = entries_[key];
        used.lastUse = ++uses_;
        return used.entry;
    }

    const fs::file_time_type modified = fs::last_write_time(absolute, error);
    if (error)
        return nullptr;
    if (!control.SSLoadFromFile(core::fromNativePath(absolute).str()))
        return nullptr;
    auto entry = std::make_shared<Entry>();
    entry->canonicalPath = canonicalOf(absolute);
    entry->modified = modified;
    entry->stamp = *stamp;
    entry->snapshot = control.sheet().snapshot();
    if (!stamp->settled) {
        entries_.erase(key);
        return entry;
    }
    if (entries_.find(key) == entries_.end())
        makeRoom();
    Slot& slot = entries_[key];
    slot.entry = std::move(entry);
    slot.lastUse = ++uses_;
    return slot.entry;
}

fs::path SheetFileCache::canonicalPath(const fs::path& path) const {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error)
        return path.lexically_normal();
    if (const std::optional<core::FileStamp> stamp = core::fileStamp(absolute)) {
        if (const Slot* slot = unchanged(absolute.native(), *stamp))
            return slot->entry->canonicalPath;
    }
    return canonicalOf(absolute);
}

void SheetFileCache::makeRoom() {
    while (entries_.size() >= kCapacity) {
        const auto oldest =
            std::min_element(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
                return a.second.lastUse < b.second.lastUse;
            });
        entries_.erase(oldest);
    }
}

} // namespace ss
