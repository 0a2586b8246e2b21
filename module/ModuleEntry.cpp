#include "module/ModuleEntry.h"

#include "module/ConstraintEditorSlot.h"
#include "module/MacroDialogTable.h"
#include "module/ModelessMacroDialogs.h"
#include "module/ModuleGlobals.h"
#include "module/SheetsManagerSlot.h"
#include "module/TfSSDlgsMgr.h"
#include "platform/host/AcEdCommandStack.h"
#include "platform/host/AcRxDictionary.h"
#include "platform/host/AcRxDynamicLinker.h"

namespace {

constexpr const wchar_t* kCommandGroup = L"VARDUNE_SS";

void initApplication(void* appId) {
    if (AcRxDynamicLinker* linker =
            AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))) {
        linker->unlockApplication(appId);
        linker->registerAppMDIAware(appId);
    }
    frame::ModuleGlobals& globals = frame::moduleGlobals();
    globals.checkedPicture.LoadBitmap(frame::kCheckedPictureBitmap);
    globals.uncheckedPicture.LoadBitmap(frame::kUncheckedPictureBitmap);
}

void unloadApplication() {
    if (AcEdCommandStack* commands =
            AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)))
        commands->removeGroup(kCommandGroup);
    DestroyAllMacroDlgs();
    EndDlgEditConstraints();
}

} // namespace

AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
    switch (message) {
    case AcRx::kInitAppMsg:
        initApplication(appId);
        break;
    case AcRx::kUnloadAppMsg:
        unloadApplication();
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}

int acrxGetApiVersion() {
    return ACRX_APIVERSION;
}

bool moduleAttach(core::InstanceHandle instance) {
    frame::ModuleGlobals& globals = frame::moduleGlobals();
    if (instance == nullptr || globals.extensionInitialised)
        return false;
    globals.instance = instance;
    globals.resourceOverride.SaveDefaultResource(instance);
    globals.extensionInitialised = true;
    return true;
}

void moduleDetach() {
    gSSDlgsMgr.destroyAll();
    frame::MacroDialogTable::instance().destroyAll();
    frame::ConstraintEditorSlot::instance().discard();
    frame::SheetsManagerSlot::instance().discard();

    frame::ModuleGlobals& globals = frame::moduleGlobals();
    globals.checkedPicture.DeleteObject();
    globals.uncheckedPicture.DeleteObject();
    globals.resourceOverride = TfTempResourceOverride{};
    globals.keepProfCutsOption = true;
    globals.instance = nullptr;
    globals.extensionInitialised = false;
}

namespace frame {

core::InstanceHandle moduleInstanceHandle() {
    static const char tag = 0;
    return const_cast<char*>(&tag);
}

} // namespace frame
