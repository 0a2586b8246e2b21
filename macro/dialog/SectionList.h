#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// The sections a section combo offers for one section: every section of the same section
// table (the part of the name before the first "-", read as "<table>.pr"), filtered, in the
// table's order, the section itself first when its table lacks it; for a user section
// ("User Sections\...") that section alone. The combo shows
// display names and the undetermined text last; the record keeps system names.
class SectionList {
public:
    static constexpr const wchar_t* kUserSections = L"User Sections\\";

    explicit SectionList(const Vdn_String& section);

    // The system names, in the combo's order (the undetermined item not among them).
    const Vdn_StringArray& systemNames() const { return systemNames_; }
    // The display names followed by the undetermined text.
    Vdn_StringArray items() const;
    // The name a section is shown by: its user name, its name without the user folder, or
    // the system name itself.
    static Vdn_String displayName(const Vdn_String& section);
    // The system name behind combo item index; empty for the undetermined item or beyond.
    Vdn_String systemNameAt(int index) const;

private:
    Vdn_StringArray systemNames_;
};
