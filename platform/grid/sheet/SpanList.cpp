#include "platform/grid/sheet/SpanList.h"

#include <algorithm>

namespace grid {

bool SpanList::add(const CellRange& block) {
    if (block.isSingleCell())
        return false;
    for (const CellRange& span : spans_) {
        if (span.intersects(block))
            return false;
    }
    spans_.push_back(block);
    return true;
}

bool SpanList::remove(CellRef anchor) {
    const auto it = std::find_if(spans_.begin(), spans_.end(),
                                 [&](const CellRange& span) { return span.first == anchor; });
    if (it == spans_.end())
        return false;
    spans_.erase(it);
    return true;
}

std::optional<CellRange> SpanList::find(CellRef cell) const {
    for (const CellRange& span : spans_) {
        if (span.contains(cell))
            return span;
    }
    return std::nullopt;
}

void SpanList::transform(const std::function<std::optional<CellRange>(const CellRange&)>& change) {
    std::vector<CellRange> old;
    old.swap(spans_);
    for (const CellRange& span : old) {
        if (const auto moved = change(span))
            add(*moved);
    }
}

} // namespace grid
