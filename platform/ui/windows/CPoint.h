#pragma once
// MFC's CPoint over Win32's POINT: a pixel position.

#include <cstdint>

using LONG = std::int32_t;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

class CPoint : public POINT {
public:
    constexpr CPoint() = default;
    constexpr CPoint(int x_, int y_) : POINT{x_, y_} {}
    constexpr CPoint(const POINT& p) : POINT(p) {}

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    void Offset(const POINT& d) { Offset(d.x, d.y); }

    friend constexpr bool operator==(const CPoint& a, const CPoint& b) {
        return a.x == b.x && a.y == b.y;
    }
    friend constexpr CPoint operator+(const CPoint& a, const CPoint& b) {
        return {a.x + b.x, a.y + b.y};
    }
    friend constexpr CPoint operator-(const CPoint& a, const CPoint& b) {
        return {a.x - b.x, a.y - b.y};
    }
};
