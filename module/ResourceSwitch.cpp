#include "module/ResourceSwitch.h"

#include "module/ModuleGlobals.h"
#include "platform/core/settings/TfTempResourceOverride.h"

namespace frame {

ResourceSwitch::ResourceSwitch() : ResourceSwitch(moduleGlobals().resourceOverride) {}

ResourceSwitch::ResourceSwitch(TfTempResourceOverride& resourceOverride)
    : override_(resourceOverride), switched_(resourceOverride.SetDefaultResource()) {}

ResourceSwitch::~ResourceSwitch() {
    if (switched_)
        override_.RestoreOriginalResource();
}

} // namespace frame
