#include "platform/core/model/Vdn_ProfilePlacement.h"

Acad::ErrorStatus Vdn_ProfilePlacement::getSectionName(Vdn_String& sectionName) const {
    if (section.isEmpty())
        return Acad::eNotApplicable;
    sectionName = section;
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_ProfilePlacement::getMaterial(Vdn_String& materialName) const {
    if (material.isEmpty())
        return Acad::eNotApplicable;
    materialName = material;
    return Acad::eOk;
}
