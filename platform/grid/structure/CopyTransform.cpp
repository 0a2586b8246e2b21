#include "platform/grid/structure/CopyTransform.h"

#include "platform/grid/sheet/Limits.h"

#include <utility>

namespace grid {

std::optional<Reference> CopyTransform::cell(const Reference& ref) const {
    Reference out = ref;
    if (!out.colAbsolute)
        out.col += colOffset_;
    if (!out.rowAbsolute)
        out.row += rowOffset_;
    if (out.col < 1 || out.col > kMaxColumns || out.row < 1 || out.row > kMaxRows)
        return std::nullopt;
    return out;
}

std::optional<ReferenceTransform::Corners> CopyTransform::range(const Reference& first,
                                                                const Reference& last) const {
    auto a = cell(first);
    auto b = cell(last);
    if (!a || !b)
        return std::nullopt;
    // A block with one absolute and one relative corner can turn over; keep it top-left first.
    if (a->col > b->col) {
        std::swap(a->col, b->col);
        std::swap(a->colAbsolute, b->colAbsolute);
    }
    if (a->row > b->row) {
        std::swap(a->row, b->row);
        std::swap(a->rowAbsolute, b->rowAbsolute);
    }
    return Corners{*a, *b};
}

} // namespace grid
