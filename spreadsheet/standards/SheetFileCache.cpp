#include "spreadsheet/standards/SheetFileCache.h"

#include "platform/core/PathBoundary.h"
#include "platform/grid/Sheet.h"
#include "spreadsheet/TSpread.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace ss {

SheetFileCache& SheetFileCache::instance() {
    static SheetFileCache cache;
    return cache;
}

std::shared_ptr<const SheetFileCache::Entry> SheetFileCache::load(TSpread& control,
                                                                  const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error)
        return nullptr;
    const std::uintmax_t size = fs::file_size(absolute, error);
    if (error)
        return nullptr;
    const fs::file_time_type modified = fs::last_write_time(absolute, error);
    if (error)
        return nullptr;

    const std::wstring key = absolute.wstring();
    const auto found = mEntries.find(key);
    if (found != mEntries.end() && found->second.entry->size == size &&
        found->second.entry->modified == modified) {
        if (!control.sheet().restore(found->second.entry->snapshot))
            return nullptr;
        control.Invalidate();
        found->second.lastUse = ++mUses;
        return found->second.entry;
    }

    if (!control.SSLoadFromFile(core::fromNativePath(absolute).str()))
        return nullptr;
    auto entry = std::make_shared<Entry>();
    entry->canonicalPath = fs::weakly_canonical(absolute, error);
    if (error)
        entry->canonicalPath = absolute.lexically_normal();
    entry->size = size;
    entry->modified = modified;
    entry->snapshot = control.sheet().snapshot();
    if (found == mEntries.end())
        makeRoom();
    Slot& slot = mEntries[key];
    slot.entry = std::move(entry);
    slot.lastUse = ++mUses;
    return slot.entry;
}

void SheetFileCache::makeRoom() {
    while (mEntries.size() >= kCapacity) {
        const auto oldest =
            std::min_element(mEntries.begin(), mEntries.end(), [](const auto& a, const auto& b) {
                return a.second.lastUse < b.second.lastUse;
            });
        mEntries.erase(oldest);
    }
}

} // namespace ss
