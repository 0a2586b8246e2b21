#include "spreadsheet/functions/DataFileSearch.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/settings/Vdn_Settings.h"

namespace ss {

std::optional<DataFile> locateDataFile(const Vdn_String& name) {
    if (name.isEmpty())
        return std::nullopt;
    const Vdn_String& lib = gSettings.libDir();
    const Vdn_String candidates[] = {
        name,
        lib + L"Connection Standards\\Data\\" + name,
        lib + L"Connection Standards\\" + name,
        lib + name,
    };
    for (const Vdn_String& candidate : candidates) {
        if (std::optional<std::filesystem::path> path = core::resolveExistingFile(candidate))
            return DataFile{candidate, std::move(*path)};
    }
    return std::nullopt;
}

std::optional<Vdn_String> findDataFile(const Vdn_String& name) {
    std::optional<DataFile> file = locateDataFile(name);
    if (!file)
        return std::nullopt;
    return std::move(file->name);
}

} // namespace ss
