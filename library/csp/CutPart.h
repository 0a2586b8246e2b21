#pragma once

#include <cstdint>
#include <string>

namespace csp {

// One line of a cutting list: how many pieces of one length the mark needs.
struct CutPart {
    std::string mark;
    double length = 0; // mm
    std::int64_t quantity = 0;

    friend bool operator==(const CutPart&, const CutPart&) = default;
};

} // namespace csp
