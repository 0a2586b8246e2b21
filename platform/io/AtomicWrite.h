#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The one way a file is written, by every command and every save of the module.
//
// The bytes go to a new temporary file in the target's folder; every write, the flush to disk
// and the close are checked, and only a complete file is renamed over the target. So the old
// file stays whole whenever the new one could not be written (a full disk, a missing
// permission), and no temporary file is left behind on any failure.
//
// A target that exists and is not a regular file (a folder, a device such as /dev/null, a FIFO,
// a socket) is refused: replacing it by a regular file would destroy it. A symbolic link is
// written through: the file it names is replaced and the link stays. A file that existed keeps
// its permission bits; a new one gets the usual ones (0666 less the umask).
namespace io {

// Empty when the file was written completely; otherwise a one-line reason that names the path.
class WriteResult {
public:
    static WriteResult success() { return WriteResult{}; }
    static WriteResult failure(std::string reason) { return WriteResult{std::move(reason)}; }

    bool ok() const { return reason_.empty(); }
    explicit operator bool() const { return ok(); }
    const std::string& reason() const { return reason_; }

private:
    WriteResult() = default;
    explicit WriteResult(std::string reason) : reason_(std::move(reason)) {}
    std::string reason_;
};

// What a write of path replaces: a symbolic link is followed (through every link of a chain)
// to the file it names, which need not exist yet; any other path is itself.
std::filesystem::path writeTargetOf(const std::filesystem::path& path);

// Why path cannot be replaced by a regular file ("… is a folder, not a file"); nullopt when
// nothing is there or it is a regular file (after following symbolic links).
std::optional<std::string> refuseNonRegular(const std::filesystem::path& path);

// Writes bytes as the whole content of path, as described above.
WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// For a writer that can only write to a file name of its own: produce writes the complete
// content to the temporary file it is given and says whether it succeeded; the file is then
// flushed, checked and renamed like any other.
WriteResult writeFileAtomically(const std::filesystem::path& path,
                                const std::function<bool(const std::filesystem::path&)>& produce);

// The reason of the last write on this thread that failed, for callers whose writers report a
// bool only (like errno: read it right after the failure); empty when none failed yet.
const std::string& lastWriteFailure();
// Records the reason a writer refused a write before it reached writeFileAtomically (a file
// too large to be read back), so that the callers above learn it the same way.
void noteWriteFailure(std::string reason);

} // namespace io
