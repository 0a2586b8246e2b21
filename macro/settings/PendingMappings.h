#pragma once
// PendingMappings: the mappings the macro settings dialog has made for standards sheets and
// not yet written into their mapping files. They are written when the dialog ends with OK, so
// that Cancel leaves the mapping files as they were.

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "spreadsheet/standards/TfSSMapping.h"

class PendingMappings {
public:
    struct Pending {
        Vdn_String sheet; // the sheet file, as the mapping operations take it
        Vdn_String name;
        TfSSMapping mapping;
    };

    // The mapping waiting under that name for that sheet (sheet names without regard to
    // case), or null.
    const TfSSMapping* find(const Vdn_String& sheet, const Vdn_String& name) const;
    // Adds the mapping, replacing one waiting under the same sheet and name.
    void add(const Vdn_String& sheet, const Vdn_String& name, const TfSSMapping& mapping);
    // The names waiting for the sheet.
    Vdn_StringArray names(const Vdn_String& sheet) const;
    const Vdn_Array<Pending>& all() const { return pending_; }
    bool isEmpty() const { return pending_.isEmpty(); }

    // Writes each mapping into its sheet's mapping file (TfSSMapping::setMappingToFile); the
    // mappings written leave the list. False when one could not be written; failed then holds
    // the mapping files that were not.
    bool writeAll(Vdn_StringArray& failed);

private:
    Vdn_Array<Pending> pending_;
};
