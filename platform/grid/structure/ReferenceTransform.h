#pragma once

#include "platform/grid/formula/Reference.h"

#include <optional>
#include <utility>

namespace grid {

// How references change when cells move: inserting or deleting rows and columns, copying a
// formula, moving a block.
class ReferenceTransform {
public:
    using Corners = std::pair<Reference, Reference>;

    virtual ~ReferenceTransform() = default;
    // The reference afterwards, or nullopt when its cell is gone (it becomes #REF!).
    virtual std::optional<Reference> cell(const Reference& ref) const = 0;
    // The same for a block given by its top-left and bottom-right corners.
    virtual std::optional<Corners> range(const Reference& first, const Reference& last) const = 0;
};

} // namespace grid
