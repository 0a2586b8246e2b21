#include "platform/grid/sheet/SheetEvalContext.h"

namespace grid {

const Value& SheetEvalContext::cellValue(CellRef ref) const {
    static const Value kEmpty;
    const Cell* cell = cells_.find(ref);
    return cell ? cell->value : kEmpty;
}

void SheetEvalContext::forEachValue(const CellRange& range,
                                    const std::function<bool(CellRef, const Value&)>& visit) const {
    cells_.forEachInRange(range, [&](CellRef ref, const Cell& cell) {
        return cell.value.isEmpty() || visit(ref, cell.value);
    });
}

std::shared_ptr<const CustomFunction>
SheetEvalContext::customFunction(const std::wstring& upperName) const {
    const auto it = functions_.find(upperName);
    return it == functions_.end() ? nullptr : it->second;
}

} // namespace grid
