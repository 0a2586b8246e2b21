#include "platform/core/files/FolderHelpers.h"

#include "platform/core/files/PathBoundary.h"

#include <filesystem>
#include <system_error>

namespace core {

bool createFolder(const Vdn_String& folder) {
    const std::filesystem::path path = resolveForWriting(folder);
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

std::optional<NewestFile> newestFile(const Vdn_String& pattern) {
    std::optional<NewestFile> newest;
    for (const std::filesystem::path& path : findMatching(pattern)) {
        std::error_code error;
        const auto written = std::filesystem::last_write_time(path, error);
        if (error)
            continue;
        const auto onClock = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(written));
        if (!newest || onClock > newest->written)
            newest = NewestFile{Vdn_String::fromUtf8(path.filename().string()), onClock};
    }
    return newest;
}

} // namespace core
