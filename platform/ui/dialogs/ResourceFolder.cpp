#include "platform/ui/dialogs/ResourceFolder.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/CharCase.h"

#include <algorithm>
#include <system_error>

namespace ui {

std::filesystem::path ResourceFolder::locate(const std::wstring& subFolder) {
    const Vdn_String name = gSettings.resourceDir() + Vdn_String(L"/") + Vdn_String(subFolder);
    return core::resolveExisting(name).value_or(std::filesystem::path());
}

std::vector<ResourceFile> ResourceFolder::read(const std::filesystem::path& folder,
                                               const std::wstring& extension) {
    std::vector<std::filesystem::path> paths;
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) {
        return {};
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) &&
            core::equalNoCase(core::fromNativePath(entry.path().extension()).str(), extension)) {
            paths.push_back(entry.path());
        }
    }
    std::sort(paths.begin(), paths.end());
    std::vector<ResourceFile> files;
    for (const auto& path : paths) {
        ResourceFile file;
        file.name = core::fromNativePath(path.filename()).str();
        Vdn_StringArray lines;
        file.readable = ObjectExportReadFile(core::fromNativePath(path), lines);
        for (int i = 0; i < lines.length(); ++i) {
            file.lines.push_back(lines[i].str());
        }
        files.push_back(std::move(file));
    }
    return files;
}

} // namespace ui
