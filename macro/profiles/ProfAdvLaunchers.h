#pragma once
// The launchers of the advanced profile dialog and the segmented-profile dialog.

#include "module/TfMACallBackData.h"
#include "module/TfMACallBackType.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/MacroProfSegment.h"

// The advanced profile dialog for the profile group of a macro: the group's merged properties
// in the tab of the module (MacroData::getMergedPropsOfGroup), every change written into the
// model at once (setMergedPropsOfGroup, then UpdateModule with the single change
// MacroTabData::kProfilesChanged). option is shown by the dialog's option, which the user
// cannot change here. When the record is marked to be erased on close, its object (the record
// must stand for exactly one) is erased after the dialog.
void StartDlgMacroProfAdv(MacroData& data, Vdn_String moduleName, Vdn_String groupName,
                          bool option);
// The advanced profile dialog for the profiles with the given ids, applied by the caller's
// callback. Does nothing for a null or empty list. option goes in as the dialog's option, which
// the user may change, and comes back from the dialog however it closes.
void StartDlgMacroProfAdv(const AcArray<AcDbObjectId>* objectIds, bool& option,
                          TfMACallBack callback);

// The callback of the first form: type 0 fills the profile data from the held macro record,
// type 1 writes it into the record and the model and fills it again; other types do nothing.
// False only when no macro record is held.
bool macroProfAdvCallBack(TfMACallBackType type, TfMACallBackData& data, MacroProfData& profile);

// The segmented-profile dialog on the segments; on OK they become the edited ones and the
// result is true.
bool StartDlgMacroProfSegm(Vdn_Array<MacroProfSegment>& segments);
