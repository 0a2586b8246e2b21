#include "platform/core/model/Vdn_BoltPattern.h"

Acad::ErrorStatus Vdn_BoltPattern::checkDirection(int direction) const {
    if (direction != 1 && direction != 2)
        return Acad::eOutOfRange;
    if (direction > directionCount() || direction > static_cast<int>(reverseStart.size()))
        return Acad::eNotApplicable;
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_BoltPattern::getSetNrBolts(int direction, Vdn_String& value, bool set) {
    if (const Acad::ErrorStatus es = checkDirection(direction); es != Acad::eOk)
        return es;
    Vdn_String& count = nrBolts[direction - 1];
    if (set)
        count = value;
    else
        value = count;
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_BoltPattern::getSetBoltPatternReverses(int direction, bool& reverse,
                                                             bool set) {
    if (const Acad::ErrorStatus es = checkDirection(direction); es != Acad::eOk)
        return es;
    const auto index = static_cast<std::size_t>(direction - 1);
    if (set)
        reverseStart[index] = reverse;
    else
        reverse = reverseStart[index];
    return Acad::eOk;
}
