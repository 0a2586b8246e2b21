#include "platform/core/files/ProductFiles.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"

namespace core {

Vdn_String productFile(const Vdn_String& relative) {
    const Vdn_String name = ensureNoStartBSlash(relative);
    const Vdn_String installed = ensureEndBSlash(gSettings.vdnDir()) + name;
    if (fileExists(installed)) {
        return installed;
    }
    const Vdn_String shipped = ensureEndBSlash(gSettings.resourceDir()) + L"product\\" + name;
    return fileExists(shipped) ? shipped : installed;
}

} // namespace core
