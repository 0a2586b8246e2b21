#include "apps/tessa/MacroEditorDialogCatalog.h"

#include "macro/editor/CDlgEditMacro.h"
#include "macro/editor/EditConstrLaunchers.h"
#include "platform/core/model/EditConstrCallbacks.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"

namespace app {

namespace {

// The beam splice of the example library, its end plate module current: three constraints
// (a distance driven by a variable, a parallel and a coincidence with image buttons), three
// geometries, variables and equations.
bool showEditMacro(DialogPresenter&) {
    AcDbObjectId id;
    Vdn_String message;
    if (!Vdn_Drawing::current().openMacro(gSettings.libDir() + L"macros/BeamSplice.json", id,
                                          message))
        return false;
    EditConstrData data;
    data.macroObject = id;
    data.currentModule = L"Plate1";
    if (!fillEditConstrData(data))
        return false;
    StartDlgEditConstrModal(data);
    return true;
}

} // namespace

std::vector<DialogEntry> macroEditorDialogs() {
    return {
        {"CDlgEditMacro", static_cast<int>(CDlgEditMacro::IDD), "DLG_EDIT_MACRO", showEditMacro}};
}

} // namespace app
