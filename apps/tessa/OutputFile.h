#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace app {

// A file a command writes: never one of the files the command read (the input would be lost
// to its own output), and written through a temporary file beside it that replaces the old
// file only when complete, so a failed write leaves what was there.
class OutputFile {
public:
    explicit OutputFile(std::string path);

    // The reason when the output is one of the inputs (the same file under any name); nullopt
    // when it is none of them. Inputs that do not exist are no concern.
    std::optional<std::string> refuseInputs(const std::vector<std::filesystem::path>& inputs) const;

    // Calls write with a temporary path beside the output, then puts that file in the
    // output's place. The reason when either step fails.
    std::optional<std::string>
    write(const std::function<bool(const std::filesystem::path&)>& write) const;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace app
