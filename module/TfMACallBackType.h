#pragma once

#include "platform/core/model/MacroProfData.h"

class TfMACallBackData;

// The kinds of calls the advanced-profile dialog makes to its caller.
enum TfMACallBackType {
    // The dialog opens: fill the data record (and the profile data) from the model.
    kMACallBackInit = 0,
    // The user changed something (or pressed OK): apply the profile data to the model and
    // leave the resulting data in the record and the profile data.
    kMACallBackApply = 1,
    // The dialog has hidden itself to let the user pick in the drawing, and after that pick.
    kMACallBackBeforePick = 2,
    kMACallBackAfterPick = 3,
};

// The caller of the advanced-profile dialog; false when it could not do what was asked, and
// then the dialog keeps the values it showed.
using TfMACallBack = bool (*)(TfMACallBackType type, TfMACallBackData& data,
                              MacroProfData& profile);
