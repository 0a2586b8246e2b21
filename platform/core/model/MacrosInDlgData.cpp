#include "platform/core/model/MacrosInDlgData.h"

#include "platform/core/model/Vdn_Drawing.h"

AcDbObjectId MacrosInDlgData::ownMacro() const {
    return objectIds.length() > 0 ? objectIds[0] : AcDbObjectId::kNull;
}

AcDbObjectId MacrosInDlgData::otherMacro() const {
    return objectIds.length() > 1 ? objectIds[1] : AcDbObjectId::kNull;
}

void MacrosInDlgData::GetAllMods(Vdn_StringArray& mods, bool otherMacros) const {
    mods = Vdn_StringArray();
    const AcDbObjectId id = otherMacros ? otherMacro() : ownMacro();
    const Vdn_DbMacro* macro = id.isNull() ? nullptr : Vdn_Drawing::current().macro(id);
    if (!macro)
        return;
    for (const Vdn_String& name : macro->getModuleNames()) {
        if (mods.find(name, false) < 0)
            mods.append(name);
    }
}

bool MacrosInDlgData::UserSelectMacro(const ObjectPicker& pick) {
    AcDbObjectId picked;
    if (!pick || !pick(picked) || picked.isNull() || !Vdn_Drawing::current().macro(picked) ||
        picked == ownMacro())
        return false;
    AcArray<AcDbObjectId> ids;
    ids.append(ownMacro());
    ids.append(picked);
    objectIds = ids;
    return true;
}
