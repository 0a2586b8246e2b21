#pragma once

// Which module's resources are current (the stand-in of AfxGetResourceHandle and
// AfxSetResourceHandle). A handle is an opaque module-instance value; the host's own
// instance is current at start.
namespace core {

using InstanceHandle = void*;

// The host application's instance handle (never null).
InstanceHandle hostInstance();
InstanceHandle currentResourceInstance();
void setCurrentResourceInstance(InstanceHandle instance);

} // namespace core
