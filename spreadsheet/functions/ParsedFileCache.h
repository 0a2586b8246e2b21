#pragma once

#include "platform/core/files/PathBoundary.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

namespace ss {

// What a reader made of a file (a size list, a look-up table, a mapping file), kept so that a
// file that sheets read again and again is read and parsed once. An entry is keyed by the
// file's path and holds the file's stamp (size, modification time, identity): a file whose
// stamp differs is read again, and one that is gone is not served. Contents read shortly
// after the file changed are used once and not kept (core::FileStamp::settled), so a change
// within the resolution of the file's time is never missed.
template <typename T> class ParsedFileCache {
public:
    // Reads and parses an existing file; nullopt when it cannot.
    using Reader = std::function<std::optional<T>(const std::filesystem::path&)>;

    explicit ParsedFileCache(std::size_t capacity)
        : capacity_(std::max<std::size_t>(capacity, 1)) {}

    // The contents of the file at path (resolved by the caller), from memory when the file
    // is unchanged since it was read, else from read; null when the file does not exist or
    // read fails.
    std::shared_ptr<const T> get(const std::filesystem::path& path, const Reader& read) {
        const std::optional<core::FileStamp> stamp = core::fileStamp(path);
        if (!stamp || stamp->directory)
            return nullptr;
        const std::string& key = path.native();
        const auto found = entries_.find(key);
        if (found != entries_.end() && found->second.stamp.sameAs(*stamp)) {
            found->second.lastUse = ++uses_;
            return found->second.contents;
        }
        std::optional<T> contents = read(path);
        if (!contents)
            return nullptr;
        auto shared = std::make_shared<const T>(std::move(*contents));
        if (stamp->settled) {
            if (found == entries_.end())
                makeRoom();
            entries_[key] = Entry{*stamp, shared, ++uses_};
        } else if (found != entries_.end()) {
            entries_.erase(found);
        }
        return shared;
    }

    std::size_t size() const { return entries_.size(); }
    void clear() { entries_.clear(); }

private:
    struct Entry {
        core::FileStamp stamp;
        std::shared_ptr<const T> contents;
        std::uint64_t lastUse = 0;
    };

    void makeRoom() {
        while (entries_.size() >= capacity_) {
            const auto oldest = std::min_element(
                entries_.begin(), entries_.end(),
                [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; });
            entries_.erase(oldest);
        }
    }

    std::size_t capacity_;
    std::unordered_map<std::string, Entry> entries_;
    std::uint64_t uses_ = 0;
};

} // namespace ss
