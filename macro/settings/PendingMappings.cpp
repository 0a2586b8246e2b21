#include "macro/settings/PendingMappings.h"

#include "spreadsheet/standards/MappingFile.h"

const TfSSMapping* PendingMappings::find(const Vdn_String& sheet, const Vdn_String& name) const {
    for (const Pending& pending : pending_) {
        if (pending.sheet.equal(sheet, false) && pending.name == name)
            return &pending.mapping;
    }
    return nullptr;
}

void PendingMappings::add(const Vdn_String& sheet, const Vdn_String& name,
                          const TfSSMapping& mapping) {
    for (Pending& pending : pending_) {
        if (pending.sheet.equal(sheet, false) && pending.name == name) {
            pending.mapping = mapping;
            return;
        }
    }
    pending_.append(Pending{sheet, name, mapping});
}

Vdn_StringArray PendingMappings::names(const Vdn_String& sheet) const {
    Vdn_StringArray names;
    for (const Pending& pending : pending_) {
        if (pending.sheet.equal(sheet, false))
            names.append(pending.name);
    }
    return names;
}

bool PendingMappings::writeAll(Vdn_StringArray& failed) {
    failed.clear();
    Vdn_Array<Pending> left;
    for (Pending& pending : pending_) {
        Vdn_String name = pending.name;
        if (pending.mapping.setMappingToFile(pending.sheet, name) != Acad::eOk) {
            failed.append(ss::MappingFile::pathFor(pending.sheet));
            left.append(pending);
        }
    }
    pending_ = left;
    return failed.isEmpty();
}
