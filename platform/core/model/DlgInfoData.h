#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// A report for the user to read: a title and its lines, shown by ExportStartDlgInfo.
class DlgInfoData {
public:
    DlgInfoData() = default;
    DlgInfoData(const DlgInfoData&) = default;
    DlgInfoData& operator=(const DlgInfoData&) = default;
    virtual ~DlgInfoData() = default;

    friend bool operator==(const DlgInfoData&, const DlgInfoData&) = default;

    Vdn_String title;
    Vdn_StringArray lines;
};
