#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// One sheet of the sheets manager: its text and the texts of its sub-entries.
class TfSheetEntry {
public:
    TfSheetEntry() = default;
    TfSheetEntry(Vdn_String entryText, Vdn_StringArray entrySubEntries)
        : text(std::move(entryText)), subEntries(std::move(entrySubEntries)) {}
    TfSheetEntry(const TfSheetEntry&) = default;
    TfSheetEntry& operator=(const TfSheetEntry&) = default;
    virtual ~TfSheetEntry() = default;

    friend bool operator==(const TfSheetEntry&, const TfSheetEntry&) = default;

    Vdn_String text;
    Vdn_StringArray subEntries;
};
