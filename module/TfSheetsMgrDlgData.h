#pragma once

#include "module/TfSheetEntry.h"
#include "platform/core/text/Vdn_Array.h"

// The core module's record copied into the sheets manager: the sheet entries it lists.
class TfSheetsMgrDlgData {
public:
    TfSheetsMgrDlgData() = default;
    TfSheetsMgrDlgData(const TfSheetsMgrDlgData&) = default;
    TfSheetsMgrDlgData& operator=(const TfSheetsMgrDlgData&) = default;
    virtual ~TfSheetsMgrDlgData() = default;

    int length() const { return mEntries.length(); }
    // The entry with index i; i must be in 0..length()-1.
    const TfSheetEntry& getAt(int i) const { return mEntries[i]; }
    void append(TfSheetEntry entry) { mEntries.append(std::move(entry)); }

    friend bool operator==(const TfSheetsMgrDlgData&, const TfSheetsMgrDlgData&) = default;

private:
    Vdn_Array<TfSheetEntry> mEntries;
};
