#pragma once

#include "platform/core/model/MacroData.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

#include <memory>

// The record handed to the advanced-profile dialog's callback. It holds a heap copy of the
// macro record; copies of this record refer to that same macro record (a change made through
// one is seen through every copy), and the macro record lives until its last holder is gone.
class TfMACallBackData {
public:
    TfMACallBackData() = default;
    TfMACallBackData(const TfMACallBackData&) = default;
    TfMACallBackData& operator=(const TfMACallBackData&) = default;
    virtual ~TfMACallBackData() = default;

    // Makes the held macro record a copy of data, only when none is held yet.
    void initDataClass(const MacroData& data);
    // The held macro record, or null.
    MacroData* macroData() const { return macroData_.get(); }

    Vdn_String groupName;
    int value1 = 0;
    int value2 = 0;
    Vdn_String moduleName;
    AcArray<AcDbObjectId> objectIds{0, 8};
    // Filled by the caller for the advanced-profile dialog: the sections offered for the
    // start and the end of the profile, and the drawing's coordinate systems.
    Vdn_StringArray startSections;
    Vdn_StringArray endSections;
    Vdn_StringArray coordinateSystems;

private:
    std::shared_ptr<MacroData> macroData_;
};
