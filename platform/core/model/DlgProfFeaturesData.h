#pragma once

#include "platform/core/model/TfLevelsDlgData.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"

// What the profile features dialog edits: a profile (a section size) and up to four values
// the caller labels. A row whose label is empty is not shown. Row 1 is always a level, row 3
// one when row3IsLevel; the others are free text. The check box, when it has a caption,
// switches row 3 between its label/value and its alternative label/value.
class DlgProfFeaturesData {
public:
    DlgProfFeaturesData() = default;
    DlgProfFeaturesData(const DlgProfFeaturesData&) = default;
    DlgProfFeaturesData& operator=(const DlgProfFeaturesData&) = default;
    virtual ~DlgProfFeaturesData() = default;

    friend bool operator==(const DlgProfFeaturesData&, const DlgProfFeaturesData&) = default;

    // The drawing's levels, and their names as the level combos offer them.
    TfLevelsDlgData levels;
    Vdn_StringArray levelNames;

    Vdn_String title;
    // A system name ("HEA-200") or a path starting with "User Sections\".
    Vdn_String profile;
    Vdn_String label1;
    Vdn_String value1;
    Vdn_String label2;
    Vdn_String value2;
    Vdn_String label3;
    Vdn_String altLabel3;
    Vdn_String value3;
    Vdn_String altValue3;
    bool row3IsLevel = false;
    Vdn_String label4;
    Vdn_String value4;
    Vdn_String checkCaption;
    bool checkState = false;

    // Replaces the drawing's levels with the edited ones.
    void setRealLevels(const TfLevelsDlgData& edited) { levels = edited; }
    // Reads levelNames again from the levels.
    void getAllLevels() { levels.getNames(levelNames); }
};
