#include "platform/host/FileNameWarning.h"

#include "platform/core/files/FileNameCheck.h"
#include "platform/ui/windows/WinApi.h"

bool warnInvalidFileName(const Vdn_String& name) {
    const Vdn_String reason = core::invalidFileNameReason(name);
    if (reason.isEmpty())
        return true;
    AfxMessageBox((reason + L".").str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}
