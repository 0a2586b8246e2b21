#pragma once

#include "platform/core/settings/ResourceInstance.h"

#include <vector>

// Makes one module's resources current for a while, as the core module's override object does
// around MFC's AfxSetResourceHandle. A module primes it once with its own instance
// (SaveDefaultResource); every launcher calls SetDefaultResource() on entry and, only when
// that returned true, RestoreOriginalResource() on exit.
//
// Nesting: SetDefaultResource() returns false when no default was saved or when the default is
// already current; nothing is then switched and nothing must be restored, so an inner launcher
// inside an outer one leaves the resources alone. When another module's resources became
// current in between (a call out and back in), the inner Set switches again and its Restore
// brings back that module's resources. Each true Set is undone by one Restore, innermost
// first.
class TfTempResourceOverride {
public:
    void SaveDefaultResource(core::InstanceHandle instance);
    // The saved default instance, or null when none was saved.
    core::InstanceHandle GetDefaultResource() const { return default_; }
    bool SetDefaultResource();
    // Restores what was current before the innermost Set that returned true. False (and
    // nothing changes) when no such Set is pending.
    bool RestoreOriginalResource();

private:
    core::InstanceHandle default_ = nullptr;
    std::vector<core::InstanceHandle> saved_;
};
