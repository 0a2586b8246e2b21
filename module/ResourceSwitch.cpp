#include "module/ResourceSwitch.h"

#include "module/ModuleGlobals.h"
#include "platform/core/settings/TfTempResourceOverride.h"

namespace frame {

ResourceSwitch::ResourceSwitch() : ResourceSwitch(moduleGlobals().resourceOverride) {}

ResourceSwitch::ResourceSwitch(TfTempResourceOverride& resourceOverride)
    : mOverride(resourceOverride), mSwitched(resourceOverride.SetDefaultResource()) {}

ResourceSwitch::~ResourceSwitch() {
    if (mSwitched)
        mOverride.RestoreOriginalResource();
}

} // namespace frame
