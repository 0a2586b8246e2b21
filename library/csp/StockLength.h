#pragma once

#include <cstdint>
#include <optional>

namespace csp {

// A length of bar that can be cut from, and how many such bars there are; no quantity means
// as many as the plan needs (bought to order).
struct StockLength {
    double length = 0; // mm
    std::optional<std::int64_t> quantity;

    friend bool operator==(const StockLength&, const StockLength&) = default;
};

} // namespace csp
