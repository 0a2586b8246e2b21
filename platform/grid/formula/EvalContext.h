#pragma once

#include "platform/grid/functions/CustomFunction.h"
#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/sheet/CellRef.h"
#include "platform/grid/values/Value.h"

#include <functional>
#include <memory>
#include <string>

namespace grid {

// What evaluating a formula needs from its sheet.
class EvalContext {
public:
    virtual ~EvalContext() = default;

    // The value of a cell; Empty for a cell that holds nothing or lies outside the sheet.
    virtual const Value& cellValue(CellRef ref) const = 0;
    // Calls visit for each cell of the block that holds a value, in reading order, until it
    // returns false. Costs the smaller of the block's area and the number of stored cells, so
    // huge blocks are cheap.
    virtual void forEachValue(const CellRange& range,
                              const std::function<bool(CellRef, const Value&)>& visit) const = 0;
    // No cell beyond this column and row holds a value ({0, 0} when none does).
    virtual CellRef usedExtent() const = 0;
    // The custom function of that (upper-case) name, or null.
    virtual std::shared_ptr<const CustomFunction>
    customFunction(const std::wstring& upperName) const = 0;
};

} // namespace grid
