#pragma once
// MFC's CSize over Win32's SIZE: a width and a height in pixels.

#include <cstdint>

using LONG = std::int32_t;

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

class CSize : public SIZE {
public:
    constexpr CSize() = default;
    constexpr CSize(int cx_, int cy_) : SIZE{cx_, cy_} {}
    constexpr CSize(const SIZE& s) : SIZE(s) {}

    friend constexpr bool operator==(const CSize& a, const CSize& b) {
        return a.cx == b.cx && a.cy == b.cy;
    }
};
