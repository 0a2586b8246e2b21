#pragma once

#include "platform/grid/structure/ReferenceTransform.h"

namespace grid {

// Inserting rows or columns pushes the references at and after the insertion point onward (a
// block that straddles it grows); deleting them makes references into the deleted part #REF!,
// pulls later ones back, and shrinks a block that loses only part of its cells.
class ShiftTransform : public ReferenceTransform {
public:
    enum class Axis { Rows, Columns };

    // count > 0 inserts count rows (columns) before `at`; count < 0 deletes -count of them
    // starting at `at`.
    ShiftTransform(Axis axis, int at, int count) : axis_(axis), at_(at), count_(count) {}

    std::optional<Reference> cell(const Reference& ref) const override;
    std::optional<Corners> range(const Reference& first, const Reference& last) const override;

private:
    int& coordinate(Reference& ref) const;
    int limit() const;

    Axis axis_;
    int at_;
    int count_;
};

} // namespace grid
