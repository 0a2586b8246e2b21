#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// A file a command writes because the user named it (--out, OUT, --save-as, --screenshot).
//
// It is written through the one atomic, checked write (io::writeFileAtomically): the old file
// stays whole when the new one cannot be written completely, a device, FIFO, socket or folder
// is never replaced, a symbolic link is written through. And it is never one of the files this
// run has read (io::InputLog, by device and inode, so no other spelling or link slips past):
// the result would replace its own input.
class OutputFile {
public:
    // option is how the user named the path, for messages; reader is what reads the inputs
    // ("this evaluation", "this command").
    explicit OutputFile(std::string path, std::string option = "--out",
                        std::string reader = "this command");
    // The file an editing command read and saves back on purpose (OK in its dialog): every rule
    // holds but the one against replacing an input.
    static OutputFile inPlace(std::string path);

    // The reason the path cannot be written at all: empty, not a file name, a device or another
    // file that is not regular, or one of the files this run has read so far. Call it before
    // long work to refuse early; write checks it again.
    std::optional<std::string> refusal() const;

    // Writes bytes as the file's whole content; the reason when it was not written.
    std::optional<std::string> write(std::string_view bytes) const;
    // For writers that write to a path of their own: write gets a temporary path beside the
    // output and says whether it wrote the file completely.
    std::optional<std::string>
    write(const std::function<bool(const std::filesystem::path&)>& write) const;

    const std::string& path() const { return path_; }

private:
    std::filesystem::path target() const;

    std::string path_;
    std::string option_;
    std::string reader_;
    bool mayReplaceInput_ = false;
};

// The check every output option gets at parse time: an empty name is no file name.
CLI::Validator outputPathCheck();

} // namespace app
