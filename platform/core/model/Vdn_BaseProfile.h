#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_String.h"

// A base profile of a macro: one of the members the connection is placed on (a column, a
// beam), by its section-table name and material.
class Vdn_BaseProfile {
public:
    Vdn_String section;
    Vdn_String material;
    core::JsonExtras extras;

    // The section name; eNotApplicable when the profile has none.
    Acad::ErrorStatus getSectionName(Vdn_String& sectionName) const;
    // The material; eNotApplicable when the profile has none.
    Acad::ErrorStatus getMaterial(Vdn_String& materialName) const;

    friend bool operator==(const Vdn_BaseProfile&, const Vdn_BaseProfile&) = default;
};
