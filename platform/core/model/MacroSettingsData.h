#pragma once

#include "platform/core/model/TabMappingData.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <array>

// The general settings of one macro, as the macro settings dialog edits them: when the macro
// applies (filters on axis angle, section angle, path distance, section size and properties),
// its variable options, its groups and how standards spreadsheets are mapped onto it.
// GetMacroSettings / SetMacroSettings exchange it with the macro of a drawing object; the
// macro file keeps it under "settings".
struct MacroSettingsData {
    struct AxisAngleFilter {
        Vdn_String name;
        bool enabled = false;
        int mode = 0; // 0 the first mode, else the second
        std::array<double, 2> angles{};
        core::JsonExtras extras;
        friend bool operator==(const AxisAngleFilter&, const AxisAngleFilter&) = default;
    };
    struct SectionAngleFilter {
        Vdn_String name;
        bool enabled = false;
        Vdn_Array<double> anglePairs; // flat: first, second, first, second, ...
        core::JsonExtras extras;
        friend bool operator==(const SectionAngleFilter&, const SectionAngleFilter&) = default;
    };
    // A path-distance filter has two values, a section-size filter four.
    template <int Count> struct ValueFilter {
        Vdn_String name;
        bool enabled = false;
        std::array<double, Count> values{};
        core::JsonExtras extras;
        friend bool operator==(const ValueFilter&, const ValueFilter&) = default;
    };
    struct FilterProperty {
        Vdn_String name;
        Vdn_StringArray texts;
        Vdn_String picture; // a design name (getModuleImages)
        core::JsonExtras extras;
        friend bool operator==(const FilterProperty&, const FilterProperty&) = default;
    };
    struct GroupEntry {
        Vdn_String name;
        Vdn_String text;
        int number = 0;
        core::JsonExtras extras;
        friend bool operator==(const GroupEntry&, const GroupEntry&) = default;
    };

    bool filterOn = false;
    Vdn_Array<AxisAngleFilter> axisFilters;
    Vdn_Array<SectionAngleFilter> sectionFilters;
    bool secondFilterOn = false;
    Vdn_Array<ValueFilter<2>> pathDistanceFilters;
    Vdn_Array<ValueFilter<4>> sectionSizeFilters;
    Vdn_Array<FilterProperty> filterProperties;
    // Variable options: two choices (0 to 2), a number, and named values.
    int variableChoice1 = 0;
    int variableChoice2 = 0;
    int variableNumber = 0;
    Vdn_StringArray variableNames;
    Vdn_Array<double> variableValues; // as many as variableNames
    // Groups: two texts and the entries of the groups table.
    Vdn_String groupText1;
    Vdn_String groupText2;
    Vdn_Array<GroupEntry> groups;
    TabMappingData mapping;
    bool mappingChanged = false; // set by the dialog when it wrote a mapping; not stored
    core::JsonExtras extras;

    friend bool operator==(const MacroSettingsData&, const MacroSettingsData&) = default;
};
