#pragma once

#include <filesystem>
#include <optional>

// The files this run has read, by identity (device and inode), so that an output path can be
// refused when it names one of them under any spelling: another case, "./", a symbolic link
// or a hard link. Every reader of the module notes the files it opens; a command asks before
// it writes a path the user named.
//
// The log belongs to the process: one run of the program is one command, and the files it read
// are what its outputs must not replace. Tests that run several commands in one process clear
// it between them.
namespace io {

class InputLog {
public:
    // Notes the file at path (after following symbolic links); a path that names nothing is
    // no input and is not noted.
    static void note(const std::filesystem::path& path);

    // The path under which the file that path names was read first; nullopt when it was not
    // read (or does not exist).
    static std::optional<std::filesystem::path> find(const std::filesystem::path& path);

    static void clear();
};

} // namespace io
