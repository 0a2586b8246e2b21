#include "apps/tessa/OutputFile.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/io/AtomicWrite.h"
#include "platform/io/InputLog.h"

namespace app {

namespace fs = std::filesystem;

OutputFile::OutputFile(std::string path, std::string option, std::string reader)
    : path_(std::move(path)), option_(std::move(option)), reader_(std::move(reader)) {}

OutputFile OutputFile::inPlace(std::string path) {
    OutputFile file(std::move(path));
    file.mayReplaceInput_ = true;
    return file;
}

fs::path OutputFile::target() const {
    return core::resolveForWriting(Vdn_String::fromUtf8(path_));
}

std::optional<std::string> OutputFile::refusal() const {
    if (path_.empty())
        return option_ + ": an empty file name";
    const fs::path target = this->target();
    if (target.empty() || !target.has_filename())
        return option_ + " \"" + path_ + "\": not a file name";
    const fs::path written = io::writeTargetOf(target);
    if (const auto notRegular = io::refuseNonRegular(written))
        return option_ + ": " + *notRegular + "; nothing was written";
    if (const auto input = mayReplaceInput_ ? std::nullopt : io::InputLog::find(written))
        return option_ + " names \"" + input->string() + "\", which " + reader_ + " reads";
    return std::nullopt;
}

std::optional<std::string> OutputFile::write(std::string_view bytes) const {
    if (auto refused = refusal())
        return refused;
    const io::WriteResult written = io::writeFileAtomically(target(), bytes);
    if (!written)
        return written.reason();
    return std::nullopt;
}

std::optional<std::string>
OutputFile::write(const std::function<bool(const fs::path&)>& write) const {
    if (auto refused = refusal())
        return refused;
    const io::WriteResult written = io::writeFileAtomically(target(), write);
    if (!written)
        return written.reason();
    return std::nullopt;
}

CLI::Validator outputPathCheck() {
    return CLI::Validator(
        [](const std::string& path) {
            return path.empty() ? std::string("an empty file name") : std::string();
        },
        "FILE", "OutputPath");
}

} // namespace app
