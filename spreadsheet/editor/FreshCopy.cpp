#include "spreadsheet/editor/FreshCopy.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/io/AtomicWrite.h"

#include <filesystem>
#include <system_error>

namespace ss {

FreshCopyResult copyUnlessNewer(const Vdn_String& source, const Vdn_String& target) {
    namespace fs = std::filesystem;
    const auto from = core::resolveExisting(source);
    std::error_code error;
    if (!from || !fs::is_regular_file(*from, error))
        return FreshCopyResult::Failed;
    const fs::file_time_type sourceTime = fs::last_write_time(*from, error);
    if (error)
        return FreshCopyResult::Failed;
    const fs::path to = core::resolveForWriting(target);
    if (fs::exists(to, error)) {
        if (!fs::is_regular_file(to, error))
            return FreshCopyResult::Failed;
        if (fs::equivalent(*from, to, error))
            return FreshCopyResult::Kept;
        const fs::file_time_type targetTime = fs::last_write_time(to, error);
        if (!error && targetTime >= sourceTime)
            return FreshCopyResult::Kept;
    }
    // Pictures beside a bill are small: read whole, then written like every other file.
    const std::optional<std::string> bytes = core::readFileBytes(core::fromNativePath(*from));
    if (!bytes || !io::writeFileAtomically(to, *bytes))
        return FreshCopyResult::Failed;
    // The copy carries the source's time, so the next bill sees it is up to date.
    std::error_code ignored;
    fs::last_write_time(to, sourceTime, ignored);
    return FreshCopyResult::Copied;
}

} // namespace ss
