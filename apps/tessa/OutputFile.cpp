#include "apps/tessa/OutputFile.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/text/Vdn_String.h"

#include <random>
#include <system_error>

namespace app {

namespace fs = std::filesystem;

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {}

std::optional<std::string> OutputFile::refuseInputs(const std::vector<fs::path>& inputs) const {
    const std::optional<fs::path> existing = core::resolveExisting(Vdn_String::fromUtf8(path_));
    if (!existing)
        return std::nullopt;
    for (const fs::path& input : inputs) {
        std::error_code error;
        if (fs::equivalent(*existing, input, error) && !error)
            return path_ + ": is one of the files this command reads; write the result to "
                           "another file";
    }
    return std::nullopt;
}

std::optional<std::string>
OutputFile::write(const std::function<bool(const fs::path&)>& write) const {
    const fs::path target = core::resolveForWriting(Vdn_String::fromUtf8(path_));
    if (target.empty())
        return path_ + ": not a file name";
    fs::path temporary = target;
    temporary += ".tmp-" + std::to_string(std::random_device()());
    std::error_code error;
    if (!write(temporary)) {
        fs::remove(temporary, error);
        return path_ + ": could not be written";
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return path_ + ": could not be written (" + error.message() + ")";
    }
    return std::nullopt;
}

} // namespace app
