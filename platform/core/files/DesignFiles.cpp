#include "platform/core/files/DesignFiles.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/StringHelpers.h"

#include <cwctype>
#include <filesystem>

Vdn_String getDesignerRootFolder() {
    return gSettings.libDir() + L"Dialog Templates\\Dialog Design\\";
}

void getModuleImages(Vdn_StringArray& names) {
    names.clear();
    const std::optional<std::filesystem::path> root =
        core::resolveExisting(getDesignerRootFolder());
    std::error_code error;
    if (!root || !std::filesystem::is_directory(*root, error))
        return;
    std::filesystem::recursive_directory_iterator it(
        *root, std::filesystem::directory_options::skip_permission_denied, error);
    for (; !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        const std::filesystem::path& path = it->path();
        std::wstring extension = path.extension().wstring();
        for (wchar_t& ch : extension)
            ch = static_cast<wchar_t>(std::towlower(ch));
        if (extension != L".txt" || !it->is_regular_file(error))
            continue;
        std::filesystem::path relative = path.lexically_relative(*root);
        relative.replace_extension();
        names.append(Vdn_String(relative.wstring()).replace(L"/", L"\\"));
    }
    sortArray(names, false);
}
