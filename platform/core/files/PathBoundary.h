#pragma once

#include "platform/core/text/Vdn_String.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

// The one place where names from sheets, records and settings become file-system paths.
//
// Names are kept as given (Windows style) everywhere else. Here:
//  - '\' becomes '/';
//  - a drive-letter path ("c:\a\t3.sss", "C:a") maps below gSettings.rootDir() as
//    <rootDir>/c/a/t3.sss (the drive letter in lower case);
//  - a relative path stays relative, i.e. resolves against the current folder;
//  - a component that does not exist as spelled is looked up case-insensitively in its folder
//    (an exact match wins; among several case variants the first in ordinal name order);
//  - '*' (any run, also empty) and '?' (one character) in the LAST component match names in
//    its folder case-insensitively; wildcards in folder components match nothing.
// Text is passed to the file system as UTF-8.
//
// Folder listings (for case variants and wildcards) are kept in memory while the folder's
// stamp stays as it was, so a name looked up again and again lists its folder once.
namespace core {

// The native spelling of name, without consulting the file system.
std::filesystem::path toNativePath(const Vdn_String& name);

// The existing file or folder that name denotes, with case differences resolved; for a name
// with wildcards, the first matching file in name order. nullopt when nothing exists.
std::optional<std::filesystem::path> resolveExisting(const Vdn_String& name);

// The existing file (not folder) that name denotes: what fileExists(name) confirms and what a
// reader of name opens. nullopt when fileExists(name) is false.
std::optional<std::filesystem::path> resolveExistingFile(const Vdn_String& name);

// Where a file named name is to be written: the existing entry when there is one (in any
// case), otherwise its existing folder (resolved in any case) joined with the name's own
// spelling of the missing rest. Wildcards are not resolved here.
std::filesystem::path resolveForWriting(const Vdn_String& name);

// A name as a person on this system reads it in messages and listings: the native spelling
// ("DSTV Points/Deep.dat" for "DSTV Points\\Deep.dat"), without consulting the file system.
Vdn_String shownPath(const Vdn_String& name);

// Whether name denotes an existing file (not a folder). With wildcards: whether any file in
// the folder matches.
bool fileExists(const Vdn_String& name);

// Every file (not folder) matching name, in name order; a name without wildcards gives its
// resolved file or nothing.
std::vector<std::filesystem::path> findMatching(const Vdn_String& name);

// Whether name holds '*' or '?'.
bool hasWildcards(const Vdn_String& name);

// The text form of a native path (decoded as UTF-8, Windows-1252 when not valid UTF-8).
Vdn_String fromNativePath(const std::filesystem::path& path);

// What contents kept in memory are checked against before they are used again: an entry whose
// stamp differs has changed (or was replaced) since it was read.
struct FileStamp {
    std::uintmax_t size = 0;
    // Nanoseconds since the epoch of the file-system clock.
    std::int64_t modified = 0;
    // The device and file numbers where the platform tells them (0 otherwise), so that a file
    // replaced by another of the same size and time is still told apart.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool directory = false;
    // Whether the stamp was taken long enough after the last change that any later change
    // shows in the modification time (whose resolution may be coarse). Contents read after an
    // unsettled stamp are used once, not kept.
    bool settled = false;

    bool sameAs(const FileStamp& other) const {
        return size == other.size && modified == other.modified && device == other.device &&
               inode == other.inode && directory == other.directory;
    }
};

// The stamp of the existing file or folder at a native path (one look at the file system);
// nullopt when there is none.
std::optional<FileStamp> fileStamp(const std::filesystem::path& path);

// Gives the existing file name a new file name (no folder) in its own folder, also when the
// two differ only in case. False when there is no such file, newFileName holds a folder
// separator or the file system refuses.
bool respellFile(const Vdn_String& name, const Vdn_String& newFileName);

// Forgets every folder listing kept in memory.
void clearFolderListings();

} // namespace core
