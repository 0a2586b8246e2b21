#pragma once

#include "platform/core/text/Vdn_String.h"

// A construction grid of two line directions: per direction the number of lines, the spacing
// text and the label of the first line; and an option flag.
class TfGridDlgData {
public:
    TfGridDlgData() = default;
    TfGridDlgData(const TfGridDlgData&) = default;
    TfGridDlgData& operator=(const TfGridDlgData&) = default;
    virtual ~TfGridDlgData() = default;

    friend bool operator==(const TfGridDlgData&, const TfGridDlgData&) = default;

    int firstCount = 4;
    Vdn_String firstSpacing = L"5000";
    Vdn_String firstLabel = L"A";
    int secondCount = 3;
    Vdn_String secondSpacing = L"5000";
    Vdn_String secondLabel = L"1";
    bool optionFlag = false;
};
