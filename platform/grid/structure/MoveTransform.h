#pragma once

#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/structure/ReferenceTransform.h"

namespace grid {

// Moving a block as a spreadsheet's cut and paste does: references into the block follow it,
// references to the cells it lands on (that were not part of it) become #REF!, and a block
// reference follows only when it lies wholly inside the moved block.
class MoveTransform : public ReferenceTransform {
public:
    MoveTransform(const CellRange& source, int colOffset, int rowOffset);

    std::optional<Reference> cell(const Reference& ref) const override;
    std::optional<Corners> range(const Reference& first, const Reference& last) const override;

private:
    Reference moved(Reference ref) const;

    CellRange source_;
    CellRange target_;
    int colOffset_;
    int rowOffset_;
};

} // namespace grid
