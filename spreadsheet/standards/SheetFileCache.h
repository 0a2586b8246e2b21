#pragma once

#include "platform/core/files/PathBoundary.h"
#include "platform/grid/sheet/SheetModel.h"
#include "spreadsheet/standards/SheetMemo.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

class TSpread;

namespace ss {

// Sheets read from files, kept as snapshots of the control's sheet, so that a standards sheet
// that is evaluated again and again is parsed once and then loaded by copying; with each, what
// its evaluations learned (SheetMemo). An entry is keyed by the file's absolute path and holds
// the file's stamp (size, modification time, identity): when it differs the file is read
// again. As with the other file caches, a file read shortly after it changed is used once and
// not kept (core::FileStamp::settled), so a change within the resolution of its time is never
// missed.
class SheetFileCache {
public:
    // What one file loaded into: the snapshot and where the file really lives (links and
    // relative parts resolved), which names the sheet in the chain of running evaluations.
    struct Entry {
        std::filesystem::path canonicalPath;
        std::filesystem::file_time_type modified;
        core::FileStamp stamp;
        grid::SheetModel snapshot;
        // Shared by every evaluation of the file while it stays unchanged.
        std::shared_ptr<SheetMemo> memo = std::make_shared<SheetMemo>();
    };

    static constexpr std::size_t kCapacity = 64;

    static SheetFileCache& instance();

    // Loads the existing file at path into the control, from the cache when the file is
    // unchanged, else by the control's own loading (then the result is kept). Null when the
    // control cannot load the file.
    std::shared_ptr<const Entry> load(TSpread& control, const std::filesystem::path& path);

    // Where the existing file at path really lives (links and relative parts resolved): as
    // kept for the file while it is unchanged, else worked out anew.
    std::filesystem::path canonicalPath(const std::filesystem::path& path) const;

    std::size_t size() const { return entries_.size(); }
    void clear() { entries_.clear(); }

private:
    struct Slot {
        std::shared_ptr<const Entry> entry;
        std::uint64_t lastUse = 0;
    };

    void makeRoom();
    // The entry of the file at the absolute path when the file still has its stamp.
    const Slot* unchanged(const std::string& key, const core::FileStamp& stamp) const;

    std::unordered_map<std::string, Slot> entries_;
    std::uint64_t uses_ = 0;
};

} // namespace ss
