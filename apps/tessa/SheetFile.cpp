#include "apps/tessa/SheetFile.h"

#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/text/Vdn_String.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace app {

namespace {

std::string lowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

std::optional<SheetFileKind> sheetFileKind(const std::string& path) {
    const std::string extension = lowerExtension(path);
    if (extension == ".tfs")
        return SheetFileKind::Tfs;
    if (extension == ".csv")
        return SheetFileKind::Csv;
    return std::nullopt;
}

std::optional<std::string> loadSheetFile(const std::string& path, grid::Sheet& sheet) {
    const std::optional<SheetFileKind> kind = sheetFileKind(path);
    if (!kind)
        return path + ": not a sheet file (the name must end in .tfs or .csv)";
    const std::optional<std::filesystem::path> found =
        core::resolveExisting(Vdn_String::fromUtf8(path));
    if (!found)
        return path + ": no such file";
    const grid::Result loaded =
        *kind == SheetFileKind::Tfs ? sheet.loadTfs(*found) : sheet.importCsv(*found);
    if (!loaded) {
        return utf8(grid::formatDiagnostic(Vdn_String::fromUtf8(path).str(), loaded.where(),
                                           loaded.message()));
    }
    sheet.recalculate();
    return std::nullopt;
}

std::optional<std::string> saveSheetFile(const grid::Sheet& sheet, const std::string& path,
                                         const std::string& option) {
    const std::optional<SheetFileKind> kind = sheetFileKind(path);
    if (!kind)
        return path + ": not a sheet file (the name must end in .tfs or .csv)";
    const OutputFile out(path, option);
    if (auto refused = out.refusal())
        return refused;
    // The sheet's own save, which refuses a file too large to be loaded again.
    const std::filesystem::path target = core::resolveForWriting(Vdn_String::fromUtf8(path));
    const grid::Result saved =
        *kind == SheetFileKind::Tfs ? sheet.saveTfs(target) : sheet.exportCsv(target);
    if (!saved)
        return utf8(saved.message());
    return std::nullopt;
}

} // namespace app
