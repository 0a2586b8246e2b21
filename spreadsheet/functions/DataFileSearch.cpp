#include "spreadsheet/functions/DataFileSearch.h"

#include "platform/core/PathBoundary.h"
#include "platform/core/Vdn_Settings.h"

namespace ss {

std::optional<Vdn_String> findDataFile(const Vdn_String& name) {
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
        if (core::fileExists(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace ss
