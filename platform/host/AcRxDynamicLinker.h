#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/host/AcRxObject.h"

#include <set>

// The host's loader of applications. An application is locked (cannot be unloaded) until it
// unlocks itself, and is single-document until it registers as MDI-aware. Applications are
// named by the id the host passes to their entry point.
class AcRxDynamicLinker : public AcRxObject {
public:
    bool unlockApplication(void* appId);
    bool lockApplication(void* appId);
    bool isApplicationLocked(void* appId) const { return !unlocked_.contains(appId); }

    Acad::ErrorStatus registerAppMDIAware(void* appId);
    bool isAppMDIAware(void* appId) const { return mdiAware_.contains(appId); }

    // Forgets the state of every application.
    void reset();

    static AcRxDynamicLinker* cast(AcRxObject* object) {
        return dynamic_cast<AcRxDynamicLinker*>(object);
    }

private:
    std::set<void*> unlocked_;
    std::set<void*> mdiAware_;
};
