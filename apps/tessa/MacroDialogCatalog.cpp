#include "apps/tessa/MacroDialogCatalog.h"

#include "macro/dialog/CDlgMacro.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/host/CommandLineApi.h"

namespace app {

namespace {

constexpr const wchar_t* kExampleMacro = L"macros/PlateSplice.json";

bool showMacroDialog(DialogPresenter&) {
    AcDbObjectId id;
    Vdn_String message;
    if (!Vdn_Drawing::current().openMacro(gSettings.libDir() + kExampleMacro, id, message)) {
        acutPrintf(L"%s\n", message.c_str());
        return false;
    }
    AcArray<AcDbObjectId> ids;
    ids.append(id);
    MacroData data;
    if (!getMacroDataOf(ids, data))
        return false;
    StartDlgMacro(data);
    return true;
}

} // namespace

std::vector<DialogEntry> macroDialogs() {
    return {{"CDlgMacro", static_cast<int>(CDlgMacro::IDD), "DLG_MACRO", showMacroDialog}};
}

} // namespace app
