#pragma once

#include "platform/grid/formula/EvalContext.h"
#include "platform/grid/functions/CustomFunction.h"
#include "platform/grid/sheet/CellStore.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace grid {

using CustomFunctionTable = std::unordered_map<std::wstring, std::shared_ptr<const CustomFunction>>;

// Formulas of a sheet read its cells and custom functions through this.
class SheetEvalContext : public EvalContext {
public:
    SheetEvalContext(const CellStore& cells, const CustomFunctionTable& functions)
        : cells_(cells), functions_(functions) {}

    const Value& cellValue(CellRef ref) const override;
    void forEachValue(const CellRange& range,
                      const std::function<bool(CellRef, const Value&)>& visit) const override;
    CellRef usedExtent() const override { return cells_.extent(); }
    std::shared_ptr<const CustomFunction>
    customFunction(const std::wstring& upperName) const override;

private:
    const CellStore& cells_;
    const CustomFunctionTable& functions_;
};

} // namespace grid
