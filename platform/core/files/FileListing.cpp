#include "platform/core/files/FileListing.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/text/StringHelpers.h"

#include <filesystem>

namespace core {

Vdn_StringArray listFilesBelow(const Vdn_String& folder, const Vdn_String& extension) {
    Vdn_StringArray names;
    const std::optional<std::filesystem::path> root = resolveExisting(folder);
    std::error_code error;
    if (!root || !std::filesystem::is_directory(*root, error))
        return names;
    std::filesystem::recursive_directory_iterator it(
        *root, std::filesystem::directory_options::skip_permission_denied, error);
    for (; !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        const std::filesystem::path& path = it->path();
        if (!Vdn_String(path.extension().wstring()).equal(extension, false) ||
            !it->is_regular_file(error))
            continue;
        std::filesystem::path relative = path.lexically_relative(*root);
        relative.replace_extension();
        names.append(Vdn_String(relative.wstring()).replace(L"/", L"\\"));
    }
    sortArray(names, false);
    return names;
}

} // namespace core
