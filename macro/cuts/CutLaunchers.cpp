#include "macro/cuts/CutLaunchers.h"

#include "macro/cuts/CDlgEditProfCuts.h"
#include "macro/cuts/CDlgMacroCuts.h"
#include "module/ModalLauncher.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/host/CommandLineApi.h"

#include <algorithm>

bool& profCutsPreviewOption() {
    static bool keepPreviews = true;
    return keepPreviews;
}

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& cancelled) {
    return frame::runModalLauncher<CDlgMacroCuts, frame::ModalLoop::HostDialog>(
        &CDlgMacroCuts::data_, data, frame::CopyBack::OnOk, frame::NoExtra{},
        [&cancelled](CDlgMacroCuts& dialog, INT_PTR) { cancelled = dialog.cancelled_; });
}

bool StartEditMacroCutDlg(AcDbObjectId macroObject, const Vdn_String& moduleName, int constraintId,
                          bool& passEscape) {
    passEscape = false;
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(macroObject);
    const Vdn_Module* module = nullptr;
    if (macro == nullptr || macro->openModule(moduleName, module) != Acad::eOk) {
        acutPrintf(L"\nThe module %s cannot be found.", moduleName.str().c_str());
        return false;
    }
    const auto constraint =
        std::find_if(module->constraints.begin(), module->constraints.end(),
                     [constraintId](const Vdn_Constraint& c) { return c.id == constraintId; });
    DlgMacroCutsData data;
    data.macros.objectIds.append(macroObject);
    if (constraint == module->constraints.end() || constraint->cutName.isEmpty() ||
        data.loadCut(*macro, moduleName, constraint->cutName) != Acad::eOk) {
        acutPrintf(L"\nConstraint %d of %s names no cut of the module.", constraintId,
                   moduleName.str().c_str());
        return false;
    }
    if (!StartDlgMacroCuts(data, passEscape))
        return false;
    Vdn_String problem;
    if (data.writeToDrawing(&problem) != Acad::eOk) {
        acutPrintf(L"\n%s", problem.str().c_str());
        return false;
    }
    return true;
}

bool StartEditProfCutsDlg(DlgProfCutsData& data) {
    bool& option = profCutsPreviewOption();
    return frame::runModalLauncher<CDlgEditProfCuts, frame::ModalLoop::HostDialog>(
        &CDlgEditProfCuts::data_, data, frame::CopyBack::Never,
        [&option](CDlgEditProfCuts& dialog) { dialog.previewOption_ = option; },
        [&option](CDlgEditProfCuts& dialog, INT_PTR result) {
            if (result == IDOK)
                option = dialog.previewOption_;
        });
}
