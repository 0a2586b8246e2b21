#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// What the cladding settings dialog edits: the section of the cladding rails, how each rail
// end connects to the column, where the rails sit and how they are spread over the wall.
//
// Connection types: 0 none, 1 bolted to a cleat, 2 bolted through the web, 3 lapped over the
// column, 4 joined by a sleeve. A lap or a sleeve needs a cold-formed rail (a C, Z or Sigma
// section); every other type suits any section.
// Sides: 0 outside the columns, 1 inside, 2 on the column axis.
// Spacing modes: 0 automatic, 1 one rail, 2 two rails, 3 a fixed centre distance, 4 a largest
// centre distance; spacing (mm) counts only in modes 3 and 4.
class TfCladdingDlgData {
public:
    static constexpr int kConnectionTypeCount = 5;
    static constexpr int kSideCount = 3;
    static constexpr int kSpacingModeCount = 5;

    TfCladdingDlgData() = default;
    TfCladdingDlgData(const TfCladdingDlgData&) = default;
    TfCladdingDlgData& operator=(const TfCladdingDlgData&) = default;
    virtual ~TfCladdingDlgData() = default;

    friend bool operator==(const TfCladdingDlgData&, const TfCladdingDlgData&) = default;

    // The sections offered, and the chosen one (a system name such as "Z-200").
    Vdn_StringArray sections;
    Vdn_String section;
    int startConnection = 0;
    int endConnection = 0;
    int side = 0;
    int spacingMode = 0;
    double spacing = 1500.0;
    bool sagRods = false;

    // Whether connection type `type` suits the record's section.
    bool isValidConstrainType(int type) const;
    // Whether the spacing counts in that mode.
    static bool usesSpacing(int mode) { return mode == 3 || mode == 4; }
};
