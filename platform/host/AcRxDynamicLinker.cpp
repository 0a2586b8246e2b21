#include "platform/host/AcRxDynamicLinker.h"

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    if (appId == nullptr)
        return false;
    unlocked_.insert(appId);
    return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) {
    if (appId == nullptr)
        return false;
    unlocked_.erase(appId);
    return true;
}

Acad::ErrorStatus AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    if (appId == nullptr)
        return Acad::eInvalidInput;
    mdiAware_.insert(appId);
    return Acad::eOk;
}

void AcRxDynamicLinker::reset() {
    unlocked_.clear();
    mdiAware_.clear();
}
