#include "platform/io/AtomicWrite.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace io {

namespace fs = std::filesystem;

namespace {

// Longer chains than this are loops (the kernel stops at 40 as well).
constexpr int kMaxSymlinkHops = 40;
// NAME_MAX on the file systems we write to.
constexpr std::size_t kMaxFileNameBytes = 255;

thread_local std::string lastFailure;
// What the system said of the last failed write on this thread ("No space left on device").
thread_local std::string lastCause;

WriteResult failed(std::string reason) {
    lastFailure = reason;
    return WriteResult::failure(std::move(reason));
}

std::string quotedPath(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

std::string systemReason(int error) {
    return std::strerror(error);
}

// A file descriptor that is closed when it goes out of scope, unless closed (and checked)
// before.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // 0 when the close succeeded, else errno.
    int close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// The temporary file a write goes to first; removed when the write does not complete.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }

    // Creates a new, empty file in folder, named after the target so that a person who finds
    // one (after a power cut) knows what it was; errno when that fails.
    int create(const fs::path& folder, const std::string& targetName) {
        std::random_device seed;
        std::mt19937_64 random(seed());
        const std::string stem =
            targetName.size() + 20 > kMaxFileNameBytes ? std::string(".tessa") : "." + targetName;
        int lastError = EEXIST;
        for (int attempt = 0; attempt < 100 && lastError == EEXIST; ++attempt) {
            const fs::path candidate =
                folder / (stem + ".tmp-" + std::to_string(random() % 1000000000u));
            const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                path_ = candidate;
                fd_ = fd;
                return 0;
            }
            lastError = errno;
        }
        return lastError;
    }

    const fs::path& path() const { return path_; }
    int takeDescriptor() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // The file has taken the target's place: nothing to remove any more.
    void release() { path_.clear(); }

private:
    fs::path path_;
    int fd_ = -1;
};

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// File systems without fsync (some FUSE and special file systems) say EINVAL; the data is
// then as safe as that file system makes it, which is no reason to refuse the write.
bool fsyncFailed(int fd) {
    return ::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP;
}

struct Destination {
    fs::path target;
    fs::path folder;
    std::optional<struct stat> existing;
};

// Checks the target and finds the folder the temporary file goes to; a reason when the target
// cannot be written at all.
std::optional<std::string> prepare(const fs::path& path, Destination& destination) {
    if (path.empty())
        return std::string("no file name given");
    destination.target = writeTargetOf(path);
    const fs::path name = destination.target.filename();
    if (name.empty() || name == "." || name == "..")
        return quotedPath(path) + " is not a file name";
    if (auto refused = refuseNonRegular(destination.target))
        return refused;
    destination.folder = destination.target.parent_path();
    if (destination.folder.empty())
        destination.folder = ".";
    struct stat folderStatus {};
    if (::stat(destination.folder.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode))
        return quotedPath(path) + " cannot be written: its folder " +
               quotedPath(destination.folder) + " does not exist";
    struct stat targetStatus {};
    if (::stat(destination.target.c_str(), &targetStatus) == 0)
        destination.existing = targetStatus;
    return std::nullopt;
}

std::string failure(const fs::path& path, const Destination& destination, int error) {
    lastCause = systemReason(error);
    std::string reason = quotedPath(path) + " could not be written: " + lastCause;
    if (destination.existing)
        reason += "; the file is unchanged";
    return reason;
}

// Gives the finished temporary file the target's permissions (and owner, where we may) and
// puts it in the target's place.
WriteResult commit(const fs::path& path, const Destination& destination, TemporaryFile& temporary,
                   int fd) {
    FileDescriptor file(fd);
    if (destination.existing) {
        const struct stat& old = *destination.existing;
        if (::fchmod(file.get(), old.st_mode & 07777) != 0)
            return failed(failure(path, destination, errno));
        // Only a privileged user can give a file away; for anyone else it is already theirs.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            const int ignored = ::fchown(file.get(), old.st_uid, old.st_gid);
            (void)ignored;
        }
    }
    if (fsyncFailed(file.get()))
        return failed(failure(path, destination, errno));
    if (const int error = file.close(); error != 0)
        return failed(failure(path, destination, error));
    if (::rename(temporary.path().c_str(), destination.target.c_str()) != 0)
        return failed(failure(path, destination, errno));
    temporary.release();
    // The rename itself lasts once the folder is on disk; a folder that cannot be synced
    // still holds the complete file.
    if (const int folder = ::open(destination.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return WriteResult::success();
}

} // namespace

fs::path writeTargetOf(const fs::path& path) {
    fs::path current = path;
    for (int hop = 0; hop < kMaxSymlinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)) || error)
            return current;
        const fs::path link = fs::read_symlink(current, error);
        if (error)
            return current;
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    return current;
}

std::optional<std::string> refuseNonRegular(const fs::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ELOOP)
            return quotedPath(path) + " is a loop of symbolic links, not a file";
        return std::nullopt;
    }
    const mode_t kind = status.st_mode & S_IFMT;
    switch (kind) {
    case S_IFREG:
        return std::nullopt;
    case S_IFDIR:
        return quotedPath(path) + " is a folder, not a file";
    case S_IFCHR:
    case S_IFBLK:
        return quotedPath(path) + " is a device, not a file";
    case S_IFIFO:
        return quotedPath(path) + " is a FIFO (named pipe), not a file";
    case S_IFSOCK:
        return quotedPath(path) + " is a socket, not a file";
    default:
        return quotedPath(path) + " is not a regular file";
    }
}

WriteResult writeFileAtomically(const fs::path& path, std::string_view bytes) {
    Destination destination;
    if (auto refused = prepare(path, destination))
        return failed(*refused);
    TemporaryFile temporary;
    if (const int error = temporary.create(destination.folder, destination.target.filename()))
        return failed(failure(path, destination, error));
    const int fd = temporary.takeDescriptor();
    if (const int error = writeAll(fd, bytes); error != 0) {
        ::close(fd);
        return failed(failure(path, destination, error));
    }
    return commit(path, destination, temporary, fd);
}

WriteResult writeFileAtomically(const fs::path& path,
                                const std::function<bool(const fs::path&)>& produce) {
    Destination destination;
    if (auto refused = prepare(path, destination))
        return failed(*refused);
    TemporaryFile temporary;
    if (const int error = temporary.create(destination.folder, destination.target.filename()))
        return failed(failure(path, destination, error));
    ::close(temporary.takeDescriptor());
    lastCause.clear();
    if (!produce(temporary.path())) {
        // A producer that writes through this same function leaves the system's reason.
        const std::string cause = lastCause.empty() ? std::string() : ": " + lastCause;
        return failed(quotedPath(path) + " could not be written" + cause +
                      (destination.existing ? "; the file is unchanged" : ""));
    }
    // The producer may have replaced the temporary file by one of its own: open what is there.
    const int fd = ::open(temporary.path().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failed(failure(path, destination, errno));
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return failed(quotedPath(path) + " could not be written");
    }
    return commit(path, destination, temporary, fd);
}

const std::string& lastWriteFailure() {
    return lastFailure;
}

void noteWriteFailure(std::string reason) {
    lastCause = reason;
    lastFailure = std::move(reason);
}

} // namespace io
