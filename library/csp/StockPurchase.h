#pragma once

#include <cstdint>

namespace csp {

// How many bars of one stock length a plan uses.
struct StockPurchase {
    double length = 0; // mm
    std::int64_t count = 0;

    friend bool operator==(const StockPurchase&, const StockPurchase&) = default;
};

} // namespace csp
