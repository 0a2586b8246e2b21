#pragma once

#include "platform/core/sections/SectionGroupArray.h"
#include "platform/core/sections/SectionType.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

// The section library as its editor sees it: the groups and section types (kept in the
// library's file prof\Library.json, see docs/section-library.md) and the names of the files
// the editor offers: value tables, template files and pictures.
class DlgEditLibData {
public:
    DlgEditLibData() = default;
    DlgEditLibData(const DlgEditLibData&) = default;
    DlgEditLibData& operator=(const DlgEditLibData&) = default;
    virtual ~DlgEditLibData() = default;

    friend bool operator==(const DlgEditLibData&, const DlgEditLibData&) = default;

    SectionGroupArray groups;
    Vdn_Array<SectionType> types;
    // The value tables: prof\<name>.pr, names without ".pr", in name order.
    Vdn_StringArray tableNames;
    // Template files: prof\<name>.tpl, names with their extension.
    Vdn_StringArray templateNames;
    // Pictures of groups and types: prof\Images\*.bmp, names with their extension.
    Vdn_StringArray imageNames;

    // Fills the three file lists from the library folder (gSettings.libDir()).
    void GetAvailableFiles();
    // Appends an enabled type without group, named languageNames[0] with those names; returns
    // its index.
    int appendNewType(const Vdn_StringArray& languageNames);
};
