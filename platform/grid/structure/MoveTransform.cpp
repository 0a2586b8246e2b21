#include "platform/grid/structure/MoveTransform.h"

namespace grid {

MoveTransform::MoveTransform(const CellRange& source, int colOffset, int rowOffset)
    : source_(source), target_{{source.first.col + colOffset, source.first.row + rowOffset},
                               {source.last.col + colOffset, source.last.row + rowOffset}},
      colOffset_(colOffset), rowOffset_(rowOffset) {}

Reference MoveTransform::moved(Reference ref) const {
    ref.col += colOffset_;
    ref.row += rowOffset_;
    return ref;
}

std::optional<Reference> MoveTransform::cell(const Reference& ref) const {
    if (source_.contains(ref.cell()))
        return moved(ref);
    if (target_.contains(ref.cell()))
        return std::nullopt;
    return ref;
}

std::optional<ReferenceTransform::Corners> MoveTransform::range(const Reference& first,
                                                                const Reference& last) const {
    const CellRange block{first.cell(), last.cell()};
    if (source_.contains(block.first) && source_.contains(block.last))
        return Corners{moved(first), moved(last)};
    if (target_.contains(block.first) && target_.contains(block.last))
        return std::nullopt;
    return Corners{first, last};
}

} // namespace grid
