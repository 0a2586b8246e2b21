#include "platform/core/model/Vdn_BaseProfile.h"

Acad::ErrorStatus Vdn_BaseProfile::getSectionName(Vdn_String& sectionName) const {
    if (section.isEmpty())
        return Acad::eNotApplicable;
    sectionName = section;
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_BaseProfile::getMaterial(Vdn_String& materialName) const {
    if (material.isEmpty())
        return Acad::eNotApplicable;
    materialName = material;
    return Acad::eOk;
}
