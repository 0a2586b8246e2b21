#pragma once

#include "platform/grid/structure/ReferenceTransform.h"

namespace grid {

// Copying a formula by an offset: relative parts move with it, absolute parts stay. A
// reference pushed off the sheet becomes #REF!.
class CopyTransform : public ReferenceTransform {
public:
    CopyTransform(int colOffset, int rowOffset) : colOffset_(colOffset), rowOffset_(rowOffset) {}

    std::optional<Reference> cell(const Reference& ref) const override;
    std::optional<Corners> range(const Reference& first, const Reference& last) const override;

private:
    int colOffset_;
    int rowOffset_;
};

} // namespace grid
