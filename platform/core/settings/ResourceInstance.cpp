#include "platform/core/settings/ResourceInstance.h"

namespace core {

namespace {

// The host's instance: the address of an object of its own, so that it never equals a
// module's handle.
int gHostInstanceToken = 0;
InstanceHandle gCurrent = &gHostInstanceToken;

} // namespace

InstanceHandle hostInstance() {
    return &gHostInstanceToken;
}

InstanceHandle currentResourceInstance() {
    return gCurrent;
}

void setCurrentResourceInstance(InstanceHandle instance) {
    gCurrent = instance;
}

} // namespace core
