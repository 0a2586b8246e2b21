#pragma once

#include "platform/core/settings/ResourceInstance.h"
#include "platform/core/settings/TfTempResourceOverride.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/ui/graphics/CBitmap.h"

namespace frame {

inline constexpr UINT kCheckedPictureBitmap = 8134;
inline constexpr UINT kUncheckedPictureBitmap = 8136;

// The module's own state from library attach to detach.
struct ModuleGlobals {
    // The module's instance handle, null while the module is not attached.
    core::InstanceHandle instance = nullptr;
    // Switches the module's resources in around every launcher (primed at attach).
    TfTempResourceOverride resourceOverride;
    // Whether the module is initialised as an extension library.
    bool extensionInitialised = false;
    // The pictures of the macro dialog's picture check-box cells (bitmaps 8134 and 8136),
    // loaded at the host's init message.
    CBitmap checkedPicture;
    CBitmap uncheckedPicture;
    // The option of the profile-cuts editor that lives as long as the module.
    bool keepProfCutsOption = true;
    // The folder the module is installed in; empty means the product folder
    // (gSettings.vdnDir()).
    Vdn_String moduleDir;
};

ModuleGlobals& moduleGlobals();

// The folder the module is installed in: moduleGlobals().moduleDir, else gSettings.vdnDir().
Vdn_String moduleDirectory();

} // namespace frame
