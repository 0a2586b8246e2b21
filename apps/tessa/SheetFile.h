#pragma once

#include "platform/grid/sheet/Sheet.h"

#include <optional>
#include <string>

namespace app {

// The kinds of sheet file the program reads and writes, told by the extension.
enum class SheetFileKind { Tfs, Csv };

std::optional<SheetFileKind> sheetFileKind(const std::string& path);

// Loads a .tfs or .csv file into the sheet and computes it. On failure the reason, in words
// fit for the command line, naming the file.
std::optional<std::string> loadSheetFile(const std::string& path, grid::Sheet& sheet);
// Saves through the rules of every output (app::OutputFile); option names the path in messages.
std::optional<std::string> saveSheetFile(const grid::Sheet& sheet, const std::string& path,
                                         const std::string& option = "OUT");

} // namespace app
