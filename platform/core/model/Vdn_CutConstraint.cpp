#include "platform/core/model/Vdn_CutConstraint.h"

#include "platform/core/text/StringHelpers.h"

#include <array>

namespace {

const std::array<Vdn_String, Vdn_CutConstraint::kOffsetTypeCount>& offsetNames() {
    static const std::array<Vdn_String, Vdn_CutConstraint::kOffsetTypeCount> names = {
        L"Offset",        L"PolyOffset", L"LengthOffset", L"CenterOffset", L"InsideOffset",
        L"OutsideOffset", L"Offset1",    L"Offset2",      L"Radius"};
    return names;
}

} // namespace

const Vdn_String& Vdn_CutConstraint::offsetName(int offsetType) {
    static const Vdn_String none;
    if (offsetType < 0 || offsetType >= kOffsetTypeCount)
        return none;
    return offsetNames()[static_cast<std::size_t>(offsetType)];
}

int Vdn_CutConstraint::offsetTypeOf(const Vdn_String& parameterName) {
    for (int type = 0; type < kOffsetTypeCount; ++type) {
        if (offsetNames()[static_cast<std::size_t>(type)].equal(parameterName, false))
            return type;
    }
    return -1;
}

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
