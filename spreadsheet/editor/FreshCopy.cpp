#include "spreadsheet/editor/FreshCopy.h"

#include "platform/core/files/PathBoundary.h"

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
    fs::path part = to;
    part += ".part";
    std::error_code ignored;
    if (!fs::copy_file(*from, part, fs::copy_options::overwrite_existing, error)) {
        fs::remove(part, ignored);
        return FreshCopyResult::Failed;
    }
    fs::last_write_time(part, sourceTime, ignored);
    fs::rename(part, to, error);
    if (error) {
        fs::remove(part, ignored);
        return FreshCopyResult::Failed;
    }
    return FreshCopyResult::Copied;
}

} // namespace ss
