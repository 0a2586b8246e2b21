#include "apps/tessa/CsvInput.h"

#include "apps/tessa/ProgramText.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/TextBytes.h"
#include "platform/grid/files/CsvReader.h"
#include "platform/grid/sheet/TextLocation.h"

#include <system_error>

namespace app {

std::optional<std::string> readCsvInput(const std::string& path,
                                        std::vector<std::vector<std::wstring>>& rows) {
    const auto resolved = core::resolveExisting(Vdn_String::fromUtf8(path));
    if (!resolved)
        return path + ": there is no such file";
    std::error_code error;
    if (!std::filesystem::is_regular_file(*resolved, error))
        return path + ": not a regular file (a CSV file is read whole)";
    const std::uintmax_t size = std::filesystem::file_size(*resolved, error);
    if (error)
        return path + ": the file cannot be read";
    if (size > kMaxCsvInputBytes)
        return path + ": " + std::to_string(size / (1024 * 1024)) + " MB, more than the " +
               std::to_string(kMaxCsvInputBytes / (1024 * 1024)) + " MB a CSV input may hold";
    const std::optional<std::string> bytes =
        core::readFileBytes(core::fromNativePath(*resolved), kMaxCsvInputBytes);
    if (!bytes)
        return path + ": the file cannot be read";
    if (const auto notText = core::findNotText(*bytes))
        return path + ": line " + std::to_string(notText->line) + ": " + notText->what +
               "; this is not a CSV text file";
    std::vector<std::vector<std::wstring>> read;
    const grid::Result parsed = grid::CsvReader::readRows(*bytes, read);
    if (!parsed)
        return utf8(grid::formatDiagnostic(Vdn_String::fromUtf8(path).str(), parsed.where(),
                                           parsed.message()));
    rows = std::move(read);
    return std::nullopt;
}

} // namespace app
