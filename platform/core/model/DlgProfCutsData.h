#pragma once

#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <functional>

// The record of the profile-cuts dialog: the cuts of one profile (a module of a macro in the
// current drawing, Vdn_Drawing::current()), their previews in the drawing, and whether
// previews are wanted. A value type copied by assignment.
class DlgProfCutsData {
public:
    // Asks the user for one object of the drawing; false when the pick is cancelled.
    using ObjectPicker = std::function<bool(AcDbObjectId& picked)>;

    DlgProfCutsData() = default;
    DlgProfCutsData(const DlgProfCutsData&) = default;
    DlgProfCutsData& operator=(const DlgProfCutsData&) = default;
    virtual ~DlgProfCutsData() = default;

    friend bool operator==(const DlgProfCutsData&, const DlgProfCutsData&) = default;

    // One text per cut of the profile, in order: "name: description", or the name alone.
    // Empty when the profile is gone.
    void getCutDescs(Vdn_StringArray& descs) const;
    int cutCount() const;
    // Shows (on) or removes the preview of cut index in the drawing; false for an index
    // outside the list.
    bool drawCutPreview(int index, bool on) const;
    // Removes the preview of every cut of the profile.
    void removeAllPreviews() const;
    // Removes cut index from the profile in the drawing (with its preview); false for an index
    // outside the list.
    bool removeCut(int index);
    // The user picks another macro of the drawing; its profile (the first profile module, else
    // the first module with cuts) becomes the record's. False, changing nothing, when the pick
    // is cancelled or the macro has no such module.
    bool selectOtherProf(const ObjectPicker& pick);

    AcDbObjectId macroId;
    Vdn_String moduleName;
    bool previews = true; // false: the dialog starts with previews off
};
