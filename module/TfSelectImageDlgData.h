#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// The image picker's record: its title, the image files offered and the chosen name.
class TfSelectImageDlgData {
public:
    TfSelectImageDlgData() = default;
    TfSelectImageDlgData(const TfSelectImageDlgData&) = default;
    TfSelectImageDlgData& operator=(const TfSelectImageDlgData&) = default;
    virtual ~TfSelectImageDlgData() = default;

    friend bool operator==(const TfSelectImageDlgData&, const TfSelectImageDlgData&) = default;

    Vdn_String title;
    Vdn_StringArray imageFiles;
    Vdn_String chosenName;
};
