#include "platform/core/model/Vdn_CutConstraint.h"

#include "platform/core/text/StringHelpers.h"

Acad::ErrorStatus Vdn_CutConstraint::getCutOffsets(Vdn_Array<int>& offsetTypes) const {
    offsetTypes.clear();
    for (int type = 0; type < kOffsetTypeCount; ++type) {
        if (offsets[static_cast<std::size_t>(type)])
            offsetTypes.append(type);
    }
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_CutConstraint::getSetCutValue(int offsetType, Vdn_String& value, bool set) {
    if (offsetType < 0 || offsetType >= kOffsetTypeCount)
        return Acad::eOutOfRange;
    std::optional<Vdn_String>& slot = offsets[static_cast<std::size_t>(offsetType)];
    if (!slot)
        return Acad::eNotApplicable;
    if (!set) {
        value = *slot;
        return Acad::eOk;
    }
    if (!isNumber(value))
        return Acad::eInvalidInput;
    slot = value;
    return Acad::eOk;
}
