#pragma once

#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/sheet/CellRef.h"

#include <functional>
#include <optional>
#include <vector>

namespace grid {

// Joined cells: blocks of more than one cell shown as one, each named by its top-left (anchor)
// cell. Spans never overlap.
class SpanList {
public:
    // False for a single cell or a block that overlaps an existing span.
    bool add(const CellRange& block);
    bool remove(CellRef anchor);
    // The span that covers the cell.
    std::optional<CellRange> find(CellRef cell) const;
    // In the order they were added.
    const std::vector<CellRange>& all() const { return spans_; }
    void clear() { spans_.clear(); }
    // Replaces each span by what change gives (nullopt removes it); spans that end up as one
    // cell, or overlapping an earlier one, are dropped.
    void transform(const std::function<std::optional<CellRange>(const CellRange&)>& change);

private:
    std::vector<CellRange> spans_;
};

} // namespace grid
