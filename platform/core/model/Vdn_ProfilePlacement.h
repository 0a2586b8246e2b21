#pragma once

#include "platform/core/model/MacroProfSegment.h"
#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_String.h"

// A profile that a module places (a stiffener, a cleat). Placements that share a name form a
// profile group; the name may be empty. The section is a section-table name ("IPE-200").
class Vdn_ProfilePlacement {
public:
    Vdn_String name;
    Vdn_String section;
    Vdn_String material;
    Vdn_String memberName;
    int offsetType = 0;
    int rotation = 0; // degrees: 0, 90, 180 or 270
    Vdn_String basePlane;
    Vdn_String coordinateSystem;
    // What the advanced profile settings add (see MacroProfData).
    double secondValue = 0.0;
    int planeAxis = 2;
    bool morphed = false;
    Vdn_String endSection;
    Vdn_String morphStartText;
    Vdn_String morphEndText;
    bool mirrored = false;
    bool extended = false;
    double extension = 0.0;
    Vdn_Array<MacroProfSegment> segments;
    core::JsonExtras extras;

    // The section name; eNotApplicable when the placement has none.
    Acad::ErrorStatus getSectionName(Vdn_String& sectionName) const;
    // The material; eNotApplicable when the placement has none.
    Acad::ErrorStatus getMaterial(Vdn_String& materialName) const;

    friend bool operator==(const Vdn_ProfilePlacement&, const Vdn_ProfilePlacement&) = default;
};
