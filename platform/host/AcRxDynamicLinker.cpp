#include "platform/host/AcRxDynamicLinker.h"

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    if (appId == nullptr)
        return false;
    mUnlocked.insert(appId);
    return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) {
    if (appId == nullptr)
        return false;
    mUnlocked.erase(appId);
    return true;
}

Acad::ErrorStatus AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    if (appId == nullptr)
        return Acad::eInvalidInput;
    mMdiAware.insert(appId);
    return Acad::eOk;
}

void AcRxDynamicLinker::reset() {
    mUnlocked.clear();
    mMdiAware.clear();
}
