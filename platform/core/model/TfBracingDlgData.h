#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// What the bracing dialog edits: the kind of the wall bracing and of the roof bracing, the
// section of each when it is made of a section, and whether both end bays are braced.
//
// Kinds: 0 none, 1 round bar, 2 flat bar, 3 a section, 4 cable, 5 threaded rod; a kind's
// section counts only for kind 3.
class TfBracingDlgData {
public:
    static constexpr int kKindCount = 6;
    static constexpr int kSectionKind = 3;

    TfBracingDlgData() = default;
    TfBracingDlgData(const TfBracingDlgData&) = default;
    TfBracingDlgData& operator=(const TfBracingDlgData&) = default;
    virtual ~TfBracingDlgData() = default;

    friend bool operator==(const TfBracingDlgData&, const TfBracingDlgData&) = default;

    // The sections offered in both section lists.
    Vdn_StringArray sections;
    int wallKind = 0;
    Vdn_String wallSection;
    int roofKind = 0;
    Vdn_String roofSection;
    bool bothEndBays = false;
};
