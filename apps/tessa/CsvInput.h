#pragma once

#include "platform/core/files/TextFileHelpers.h"

#include <optional>
#include <string>
#include <vector>

namespace app {

// The CSV files commands take as input (grid-dialog's table, bill rows, cutting-stock parts and
// stock) follow one rule: a regular file of at most kMaxCsvInputBytes, UTF-8 text (or UTF-16
// with a byte-order mark) without NUL bytes, in the grid's CSV syntax.
inline constexpr std::uintmax_t kMaxCsvInputBytes = core::kMaxCsvFileBytes;

// The file's rows; on failure the reason, naming the file and, for bytes that are no text or
// bad syntax, the line.
std::optional<std::string> readCsvInput(const std::string& path,
                                        std::vector<std::vector<std::wstring>>& rows);

} // namespace app
