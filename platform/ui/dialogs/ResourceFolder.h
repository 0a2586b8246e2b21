#pragma once
// ui::ResourceFolder: the lines of every file with a given extension in a resource sub-folder
// (dialogs/, menus/) of gSettings.resourceDir(), in file-name order.

#include <filesystem>
#include <string>
#include <vector>

namespace ui {

struct ResourceFile {
    std::wstring name; // the file's name, for diagnostics
    std::vector<std::wstring> lines;
    bool readable = true;
};

class ResourceFolder {
public:
    // The folder below the resource directory (for example "dialogs"); empty when missing.
    static std::filesystem::path locate(const std::wstring& subFolder);
    // Files of `folder` whose extension is `extension` (".dlg"), read as text.
    static std::vector<ResourceFile> read(const std::filesystem::path& folder,
                                          const std::wstring& extension);
};

} // namespace ui
