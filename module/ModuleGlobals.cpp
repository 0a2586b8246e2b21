#include "module/ModuleGlobals.h"

#include "platform/core/settings/Vdn_Settings.h"

namespace frame {

ModuleGlobals& moduleGlobals() {
    static ModuleGlobals globals;
    return globals;
}

Vdn_String moduleDirectory() {
    const Vdn_String& dir = moduleGlobals().moduleDir;
    return dir.isEmpty() ? gSettings.vdnDir() : dir;
}

} // namespace frame
