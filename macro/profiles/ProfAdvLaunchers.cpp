#include "macro/profiles/ProfAdvLaunchers.h"

#include "macro/profiles/CDlgMacroProfAdv.h"
#include "macro/profiles/CDlgMacroProfSegm.h"
#include "module/ResourceSwitch.h"
#include "platform/core/model/MacroCallbacks.h"
#include "platform/ui/windows/WinConstants.h"

bool macroProfAdvCallBack(TfMACallBackType type, TfMACallBackData& data, MacroProfData& profile) {
    MacroData* macro = data.macroData();
    if (macro == nullptr)
        return false;
    if (type == kMACallBackInit) {
        macro->getMergedPropsOfGroup(data.moduleName, data.groupName, profile);
    } else if (type == kMACallBackApply) {
        const MacroData before = *macro;
        macro->setMergedPropsOfGroup(data.moduleName, data.groupName, profile);
        // A change the model refuses leaves the model as it was, and so the record, so that
        // the data read back shows what the model holds.
        if (!UpdateModule(data.moduleName, *macro, Vdn_Array<int>{MacroTabData::kProfilesChanged},
                          Vdn_Array<int>{}))
            *macro = before;
        macro->getMergedPropsOfGroup(data.moduleName, data.groupName, profile);
    }
    return true;
}

void StartDlgMacroProfAdv(MacroData& data, Vdn_String moduleName, Vdn_String groupName,
                          bool option) {
    AcDbObjectId dialogObject;
    {
        frame::ResourceSwitch resources;
        TfMACallBackData callBackData;
        callBackData.initDataClass(data);
        callBackData.moduleName = moduleName;
        callBackData.groupName = groupName;
        CDlgMacroProfAdv dialog(&macroProfAdvCallBack, callBackData);
        dialog.setOption(option, false);
        dialog.DoModal();
        if (const MacroData* held = dialog.data().macroData();
            held != nullptr && held->objectIds.length() == 1)
            dialogObject = held->objectIds[0];
    }
    if (!data.eraseOnClose)
        return;
    AcDbObjectId erased;
    if (data.objectIds.length() == 1) {
        erased = data.objectIds[0];
        EraseObject(erased);
    }
    if (!dialogObject.isNull() && dialogObject != erased)
        EraseObject(dialogObject);
}

void StartDlgMacroProfAdv(const AcArray<AcDbObjectId>* objectIds, bool& option,
                          TfMACallBack callback) {
    if (objectIds == nullptr || objectIds->isEmpty())
        return;
    frame::ResourceSwitch resources;
    TfMACallBackData callBackData;
    callBackData.objectIds = *objectIds;
    CDlgMacroProfAdv dialog(callback, callBackData);
    dialog.setOption(option, true);
    dialog.DoModal();
    option = dialog.option();
}

bool StartDlgMacroProfSegm(Vdn_Array<MacroProfSegment>& segments) {
    frame::ResourceSwitch resources;
    CDlgMacroProfSegm dialog(segments);
    if (dialog.DoModal() != IDOK)
        return false;
    segments = dialog.segments();
    return true;
}
