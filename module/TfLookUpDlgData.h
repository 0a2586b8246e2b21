#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// The look-up query edited by the look-up dialog: five texts, each with a list of proposals,
// two choice indexes, a mode, a flag and the result code (0 OK, 2 show all).
class TfLookUpDlgData {
public:
    TfLookUpDlgData() = default;
    TfLookUpDlgData(const TfLookUpDlgData&) = default;
    TfLookUpDlgData& operator=(const TfLookUpDlgData&) = default;
    virtual ~TfLookUpDlgData() = default;

    friend bool operator==(const TfLookUpDlgData&, const TfLookUpDlgData&) = default;

    Vdn_String text1;
    Vdn_StringArray proposals1;
    Vdn_String text2;
    Vdn_StringArray proposals2;
    Vdn_String text3;
    Vdn_StringArray proposals3;
    Vdn_String text4;
    Vdn_StringArray proposals4;
    int firstChoice = 2;
    Vdn_String text5;
    Vdn_StringArray proposals5;
    int secondChoice = 0;
    int mode = 0;
    bool flag = false;
    int resultCode = 0;
};
