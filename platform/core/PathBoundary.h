#pragma once

#include "platform/core/Vdn_String.h"

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
namespace core {

// The native spelling of name, without consulting the file system.
std::filesystem::path toNativePath(const Vdn_String& name);

// The existing file or folder that name denotes, with case differences resolved; for a name
// with wildcards, the first matching file in name order. nullopt when nothing exists.
std::optional<std::filesystem::path> resolveExisting(const Vdn_String& name);

// Where a file named name is to be written: the existing entry when there is one (in any
// case), otherwise its existing folder (resolved in any case) joined with the name's own
// spelling of the missing rest. Wildcards are not resolved here.
std::filesystem::path resolveForWriting(const Vdn_String& name);

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

} // namespace core
