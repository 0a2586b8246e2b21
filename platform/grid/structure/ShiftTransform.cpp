#include "platform/grid/structure/ShiftTransform.h"

#include "platform/grid/sheet/Limits.h"

#include <algorithm>

namespace grid {

int& ShiftTransform::coordinate(Reference& ref) const {
    return axis_ == Axis::Rows ? ref.row : ref.col;
}

int ShiftTransform::limit() const {
    return axis_ == Axis::Rows ? kMaxRows : kMaxColumns;
}

std::optional<Reference> ShiftTransform::cell(const Reference& ref) const {
    Reference out = ref;
    int& c = coordinate(out);
    if (count_ > 0) {
        if (c >= at_)
            c += count_;
        if (c > limit())
            return std::nullopt;
        return out;
    }
    const int removed = -count_;
    if (c >= at_ && c < at_ + removed)
        return std::nullopt;
    if (c >= at_ + removed)
        c -= removed;
    return out;
}

std::optional<ReferenceTransform::Corners> ShiftTransform::range(const Reference& first,
                                                                 const Reference& last) const {
    Reference a = first;
    Reference b = last;
    int& lo = coordinate(a);
    int& hi = coordinate(b);
    if (count_ > 0) {
        if (lo >= at_)
            lo += count_;
        if (hi >= at_)
            hi += count_;
        if (lo > limit())
            return std::nullopt;
        hi = std::min(hi, limit());
        return Corners{a, b};
    }
    const int removed = -count_;
    const int lastRemoved = at_ + removed - 1;
    if (lo >= at_ && hi <= lastRemoved)
        return std::nullopt;
    const int newLo = lo < at_ ? lo : (lo > lastRemoved ? lo - removed : at_);
    const int newHi = hi < at_ ? hi : (hi > lastRemoved ? hi - removed : at_ - 1);
    lo = newLo;
    hi = newHi;
    return Corners{a, b};
}

} // namespace grid
