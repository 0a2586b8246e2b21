#include "platform/core/settings/TfTempResourceOverride.h"

void TfTempResourceOverride::SaveDefaultResource(core::InstanceHandle instance) {
    default_ = instance;
}

bool TfTempResourceOverride::SetDefaultResource() {
    if (!default_ || core::currentResourceInstance() == default_)
        return false;
    saved_.push_back(core::currentResourceInstance());
    core::setCurrentResourceInstance(default_);
    return true;
}

bool TfTempResourceOverride::RestoreOriginalResource() {
    if (saved_.empty())
        return false;
    core::setCurrentResourceInstance(saved_.back());
    saved_.pop_back();
    return true;
}
