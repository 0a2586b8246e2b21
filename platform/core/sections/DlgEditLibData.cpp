#include "platform/core/sections/DlgEditLibData.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/StringHelpers.h"

namespace {

// The file names (without folder) matching pattern below the library's prof folder.
Vdn_StringArray namesMatching(const Vdn_String& pattern, bool keepExtension) {
    Vdn_StringArray names;
    for (const auto& path : core::findMatching(gSettings.libDir() + L"prof\\" + pattern)) {
        const Vdn_String name = core::fromNativePath(path.filename());
        names.append(keepExtension ? name : removeExtension(name));
    }
    sortArray(names, false);
    return names;
}

} // namespace

void DlgEditLibData::GetAvailableFiles() {
    tableNames = namesMatching(L"*.pr", false);
    templateNames = namesMatching(L"*.tpl", true);
    imageNames = namesMatching(L"Images\\*.bmp", true);
}

int DlgEditLibData::appendNewType(const Vdn_StringArray& languageNames) {
    SectionType type;
    type.name = languageNames.isEmpty() ? Vdn_String() : languageNames[0];
    type.languageNames = languageNames;
    return types.append(std::move(type));
}
