#include "platform/core/settings/TfTempResourceOverride.h"

void TfTempResourceOverride::SaveDefaultResource(core::InstanceHandle instance) {
    mDefault = instance;
}

bool TfTempResourceOverride::SetDefaultResource() {
    if (!mDefault || core::currentResourceInstance() == mDefault)
        return false;
    mSaved.push_back(core::currentResourceInstance());
    core::setCurrentResourceInstance(mDefault);
    return true;
}

bool TfTempResourceOverride::RestoreOriginalResource() {
    if (mSaved.empty())
        return false;
    core::setCurrentResourceInstance(mSaved.back());
    mSaved.pop_back();
    return true;
}
