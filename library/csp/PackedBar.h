#pragma once

#include <cstdint>
#include <vector>

namespace csp {

// One bar of a packing: which stock kind it is cut from, the pieces it holds (indexes into the
// packer's sizes) and their total size.
struct PackedBar {
    int stock = 0;
    std::vector<int> pieces;
    std::int64_t used = 0;
};

} // namespace csp
