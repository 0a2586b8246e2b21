#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_StringArray.h"

// The general variables the core module hands to every standards evaluation, in two groups:
// those of the drawing and those of the standards. Each group is a set of parallel lists with
// one entry per row, in row order; a row's filter is a list of paths joined with ';', each
// relative to the library's "Macros\" folder (drawings or folders the row applies to). Which
// rows an evaluation takes, and what an override does, is the core module's business; the
// lists are only kept and copied here.
class TfAutoStandardsData {
public:
    TfAutoStandardsData() = default;
    TfAutoStandardsData(const TfAutoStandardsData&) = default;
    TfAutoStandardsData& operator=(const TfAutoStandardsData&) = default;
    virtual ~TfAutoStandardsData() = default;

    Vdn_StringArray& dwgGenVars() { return mDwgGenVars; }
    Vdn_StringArray& dwgGenValues() { return mDwgGenValues; }
    Vdn_StringArray& dwgGenFilters() { return mDwgGenFilters; }
    Vdn_StringArray& stdGenVars() { return mStdGenVars; }
    Vdn_StringArray& stdGenValues() { return mStdGenValues; }
    Vdn_StringArray& stdGenOverrides() { return mStdGenOverrides; }
    Vdn_StringArray& stdGenFilters() { return mStdGenFilters; }
    const Vdn_StringArray& dwgGenVars() const { return mDwgGenVars; }
    const Vdn_StringArray& dwgGenValues() const { return mDwgGenValues; }
    const Vdn_StringArray& dwgGenFilters() const { return mDwgGenFilters; }
    const Vdn_StringArray& stdGenVars() const { return mStdGenVars; }
    const Vdn_StringArray& stdGenValues() const { return mStdGenValues; }
    const Vdn_StringArray& stdGenOverrides() const { return mStdGenOverrides; }
    const Vdn_StringArray& stdGenFilters() const { return mStdGenFilters; }

    // Keys of the general-variables file that the record does not know, written back as read.
    core::JsonExtras& extras() { return mExtras; }
    const core::JsonExtras& extras() const { return mExtras; }

    friend bool operator==(const TfAutoStandardsData&, const TfAutoStandardsData&) = default;

private:
    Vdn_StringArray mDwgGenVars;
    Vdn_StringArray mDwgGenValues;
    Vdn_StringArray mDwgGenFilters;
    Vdn_StringArray mStdGenVars;
    Vdn_StringArray mStdGenValues;
    Vdn_StringArray mStdGenOverrides;
    Vdn_StringArray mStdGenFilters;
    core::JsonExtras mExtras;
};
