#pragma once
// ui::FileDialogRecord: one open/save file dialog as the user sees it, and what was chosen.

#include "platform/ui/windows/WinTypes.h"

#include <string>
#include <vector>

namespace ui {

struct FileDialogRecord {
    bool openDialog = true;  // false for a save dialog
    std::wstring defaultExt; // without the dot
    std::wstring fileName;   // the proposed file name
    DWORD flags = 0;         // OFN_ bits
    std::wstring filter;     // "Text (*.txt)|*.txt||"
    int filterIndex = 0;
    std::wstring initialDir;
    std::wstring title;
    // Filled by the user: the chosen path(s); several only with OFN_ALLOWMULTISELECT.
    std::vector<std::wstring> chosenPaths;
    bool accepted = false;
};

} // namespace ui
