#include "macro/arrays/ArrayLaunchers.h"

#include "macro/arrays/CDlgArray.h"
#include "module/ModalLauncher.h"

bool StartArrayDlg(DynArrayData& array, AcArray<AcDbObjectId> objectIds, Vdn_String name) {
    return frame::runModalLauncher<CDlgArray>(&CDlgArray::data_, array, frame::CopyBack::OnOk,
                                              [&](CDlgArray& dialog) {
                                                  dialog.objectIds_ = std::move(objectIds);
                                                  dialog.name_ = std::move(name);
                                              });
}

bool DlgMacroArray(MacroSubDialogOwner& owner, int arrayIndex) {
    const MacroTabData* tab = owner.tabData();
    if (tab == nullptr || !tab->arrays.isValidIndex(arrayIndex))
        return false;
    DynArrayData array = tab->arrays[arrayIndex];
    if (!StartArrayDlg(array, owner.macroData().objectIds, array.name))
        return false;
    return owner.applyArray(arrayIndex, array);
}
