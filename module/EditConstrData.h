#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/host/AcDbObjectId.h"

// The core module's record handed to the constraint editor, as far as the module frame copies
// it: the macro object, the module being edited and the names of all modules.
class EditConstrData {
public:
    EditConstrData() = default;
    EditConstrData(const EditConstrData&) = default;
    EditConstrData& operator=(const EditConstrData&) = default;
    virtual ~EditConstrData() = default;

    friend bool operator==(const EditConstrData&, const EditConstrData&) = default;

    AcDbObjectId macroObject;
    Vdn_String currentModule;
    Vdn_StringArray moduleNames;
};
