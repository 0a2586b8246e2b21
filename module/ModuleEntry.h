#pragma once

#include "platform/core/settings/ResourceInstance.h"
#include "platform/host/AcRx.h"

// The entry points through which the host loads and unloads the module.

// The host's messages: kInitAppMsg unlocks the application, registers it as MDI-aware and
// loads the check-box pictures; kUnloadAppMsg removes the command group "VARDUNE_SS" and
// closes every modeless macro dialog and the constraint editor. Every message gets kRetOK.
AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId);
int acrxGetApiVersion();

// The library's attach and detach (the process attach and detach of the original library).
// Attach stores the instance handle, primes the resource-override object with it and
// initialises the module as an extension library; false when the handle is null or the module
// is attached already. Detach destroys what the module still holds (the pooled standards
// dialogs, any macro dialog whose close is still pending, the sheets-manager bar, the
// pictures) and ends the extension library.
bool moduleAttach(core::InstanceHandle instance);
void moduleDetach();

namespace frame {

// An instance handle that names this module, for a loader that has none of its own.
core::InstanceHandle moduleInstanceHandle();

} // namespace frame
