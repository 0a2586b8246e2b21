#include "apps/tessa/CutDialogCatalog.h"

#include "macro/cuts/CDlgEditProfCuts.h"
#include "macro/cuts/CDlgMacroCuts.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"

namespace app {

namespace {

// The example beam splice, placed in the drawing; null when it cannot be read.
AcDbObjectId beamSplice() {
    AcDbObjectId id;
    Vdn_String message;
    if (!Vdn_Drawing::current().openMacro(gSettings.libDir() + L"macros\\BeamSplice.json", id,
                                          message))
        return AcDbObjectId::kNull;
    return id;
}

// A new cut of the splice's end plate against the beam, with its defaults.
bool showMacroCuts(DialogPresenter&) {
    const AcDbObjectId id = beamSplice();
    CDlgMacroCuts dialog;
    DlgMacroCutsData& data = dialog.data_;
    if (!id.isNull())
        data.macros.objectIds.append(id);
    data.GetDefaultValues(DlgMacroCutsData::kProfileVsPlate);
    data.cutName = L"EndCut";
    data.description = L"Beam end against the end plate";
    data.moduleName = L"Plate1";
    return dialog.DoModal() != -1;
}

// The cuts of the splice's end plate.
bool showEditProfCuts(DialogPresenter&) {
    CDlgEditProfCuts dialog;
    dialog.data_.macroId = beamSplice();
    dialog.data_.moduleName = L"Plate1";
    return dialog.DoModal() != -1;
}

} // namespace

std::vector<DialogEntry> cutDialogs() {
    return {
        {"CDlgMacroCuts", static_cast<int>(CDlgMacroCuts::IDD), "DLG_MACRO_CUTS", showMacroCuts},
        {"CDlgEditProfCuts", static_cast<int>(CDlgEditProfCuts::IDD), "DLG_EDIT_PROF_CUTS",
         showEditProfCuts},
    };
}

} // namespace app
