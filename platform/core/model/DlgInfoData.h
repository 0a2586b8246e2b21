#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// A report for the core module's information window: a caption and its lines.
class DlgInfoData {
public:
    DlgInfoData() = default;
    DlgInfoData(const DlgInfoData&) = default;
    DlgInfoData& operator=(const DlgInfoData&) = default;
    virtual ~DlgInfoData() = default;

    Vdn_String caption;
    Vdn_StringArray lines;
};
