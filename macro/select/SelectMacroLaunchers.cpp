#include "macro/select/SelectMacroLaunchers.h"

#include "macro/select/CDlgSelectMacro.h"
#include "module/ModalLauncher.h"

bool StartDlgSelectMacro(const Vdn_String& caption, const Vdn_StringArray& folders,
                         const AcArray<bool>& enabledFolders, int depth, int propertyLimit,
                         Vdn_String& chosenName, bool& altConfirm, bool compact) {
    Vdn_Array<bool> enabled;
    for (int i = 0; i < enabledFolders.length(); ++i)
        enabled.append(enabledFolders.at(i));
    return frame::runModalLauncher<CDlgSelectMacro>(
        &CDlgSelectMacro::resultPath_, chosenName, frame::CopyBack::OnOk,
        [&](CDlgSelectMacro& dialog) {
            dialog.caption_ = caption;
            dialog.filter_.init(folders, enabled, depth, propertyLimit);
            dialog.altConfirm_ = altConfirm;
            dialog.compact_ = compact;
        },
        [&altConfirm](CDlgSelectMacro& dialog, INT_PTR result) {
            if (result == IDOK)
                altConfirm = dialog.altConfirm_;
        });
}

bool StartDlgSelectMacro(const Vdn_String& caption, const Vdn_StringArray& folders, int depth,
                         int propertyLimit, Vdn_String& chosenName, bool& altConfirm,
                         bool compact) {
    AcArray<bool> enabled;
    for (int i = 0; i < folders.length(); ++i)
        enabled.append(true);
    return StartDlgSelectMacro(caption, folders, enabled, depth, propertyLimit, chosenName,
                               altConfirm, compact);
}
