#pragma once

#include "platform/core/text/TextCodec.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <cstdint>
#include <optional>

// Text files of the core module. Names go through the path boundary (core::resolveExisting,
// core::resolveForWriting), so Windows-style and drive-letter names work.
//
// Reading accepts UTF-8 with or without BOM, UTF-16 LE/BE with BOM and otherwise
// Windows-1252 (see core::TextCodec::decode). Lines end at CRLF, LF or CR; a line end at the
// very end of the file does not start another line, so "a\nb\n" and "a\nb" both give a, b.
// Writing puts LF after every line. A write goes to a temporary file beside the target that
// then replaces it, so a failed write leaves an existing file as it was. The target's folder
// must exist.

// Reads the lines of a text file into lines (replacing its content). False when the file
// cannot be read; lines is then left unchanged.
bool ObjectExportReadFile(const Vdn_String& path, Vdn_StringArray& lines);
// Writes lines as UTF-8 without BOM. False when the file cannot be written.
bool ObjectExportWriteFile(const Vdn_String& path, const Vdn_StringArray& lines);
// Writes lines as 8-bit Windows-1252 for files that must be ANSI. Characters outside the code
// page are written as '?' and lossless (optional) becomes false. Returns whether the file was
// written (a lossy file is still written).
bool ObjectExportWriteFileAnsi(const Vdn_String& path, const Vdn_StringArray& lines,
                               bool* lossless = nullptr);

namespace core {

// The largest text file read; a library's text files are far smaller.
inline constexpr std::uintmax_t kMaxTextFileBytes = 64u * 1024u * 1024u;

// The largest table a command reads as CSV (parts, stock, bill rows, grid tables): the size of
// the largest sheet file, since such a table becomes a sheet's worth of cells.
inline constexpr std::uintmax_t kMaxCsvFileBytes = 16u * 1024u * 1024u;

// The bytes of a regular file of at most maxBytes, as stored (no decoding); nullopt when it
// cannot be read (missing, a folder, a device or a FIFO, a larger file). The file is noted as
// one this run reads.
std::optional<std::string> readFileBytes(const Vdn_String& path,
                                         std::uintmax_t maxBytes = kMaxTextFileBytes);

// The whole text of a regular file of at most kMaxTextFileBytes, decoded as above; nullopt
// when it cannot be read (a folder, a device or a FIFO, a larger file).
std::optional<std::wstring> readTextFile(const Vdn_String& path, TextEncoding* detected = nullptr);
// Writes text as is (no line-end conversion) in the given encoding; lossless as for
// TextCodec::encode. False when the file cannot be written.
bool writeTextFile(const Vdn_String& path, std::wstring_view text, TextEncoding encoding,
                   bool* lossless = nullptr);

// Splitting and joining by the line rules above.
Vdn_StringArray splitLines(std::wstring_view text);
std::wstring joinLines(const Vdn_StringArray& lines);

} // namespace core
