#include "platform/io/InputLog.h"

#include <map>
#include <mutex>
#include <sys/stat.h>
#include <utility>

namespace io {

namespace {

using Identity = std::pair<dev_t, ino_t>;

struct Log {
    std::mutex mutex;
    std::map<Identity, std::filesystem::path> read;
};

Log& log() {
    static Log instance;
    return instance;
}

std::optional<Identity> identityOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return Identity{status.st_dev, status.st_ino};
}

} // namespace

void InputLog::note(const std::filesystem::path& path) {
    const std::optional<Identity> identity = identityOf(path);
    if (!identity)
        return;
    Log& inputs = log();
    const std::lock_guard lock(inputs.mutex);
    inputs.read.emplace(*identity, path);
}

std::optional<std::filesystem::path> InputLog::find(const std::filesystem::path& path) {
    const std::optional<Identity> identity = identityOf(path);
    if (!identity)
        return std::nullopt;
    Log& inputs = log();
    const std::lock_guard lock(inputs.mutex);
    const auto found = inputs.read.find(*identity);
    if (found == inputs.read.end())
        return std::nullopt;
    return found->second;
}

void InputLog::clear() {
    Log& inputs = log();
    const std::lock_guard lock(inputs.mutex);
    inputs.read.clear();
}

} // namespace io
