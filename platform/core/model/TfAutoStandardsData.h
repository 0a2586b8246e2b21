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

    Vdn_StringArray& dwgGenVars() { return dwgGenVars_; }
    Vdn_StringArray& dwgGenValues() { return dwgGenValues_; }
    Vdn_StringArray& dwgGenFilters() { return dwgGenFilters_; }
    Vdn_StringArray& stdGenVars() { return stdGenVars_; }
    Vdn_StringArray& stdGenValues() { return stdGenValues_; }
    Vdn_StringArray& stdGenOverrides() { return stdGenOverrides_; }
    Vdn_StringArray& stdGenFilters() { return stdGenFilters_; }
    const Vdn_StringArray& dwgGenVars() const { return dwgGenVars_; }
    const Vdn_StringArray& dwgGenValues() const { return dwgGenValues_; }
    const Vdn_StringArray& dwgGenFilters() const { return dwgGenFilters_; }
    const Vdn_StringArray& stdGenVars() const { return stdGenVars_; }
    const Vdn_StringArray& stdGenValues() const { return stdGenValues_; }
    const Vdn_StringArray& stdGenOverrides() const { return stdGenOverrides_; }
    const Vdn_StringArray& stdGenFilters() const { return stdGenFilters_; }

    // Keys of the general-variables file that the record does not know, written back as read.
    core::JsonExtras& extras() { return extras_; }
    const core::JsonExtras& extras() const { return extras_; }

    friend bool operator==(const TfAutoStandardsData&, const TfAutoStandardsData&) = default;

private:
    Vdn_StringArray dwgGenVars_;
    Vdn_StringArray dwgGenValues_;
    Vdn_StringArray dwgGenFilters_;
    Vdn_StringArray stdGenVars_;
    Vdn_StringArray stdGenValues_;
    Vdn_StringArray stdGenOverrides_;
    Vdn_StringArray stdGenFilters_;
    core::JsonExtras extras_;
};
