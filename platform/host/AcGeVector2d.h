#pragma once

#include <cmath>

// A vector in the plane.
class AcGeVector2d {
public:
    AcGeVector2d() = default;
    AcGeVector2d(double xValue, double yValue) : x(xValue), y(yValue) {}

    double length() const { return std::hypot(x, y); }

    friend AcGeVector2d operator+(const AcGeVector2d& a, const AcGeVector2d& b) {
        return {a.x + b.x, a.y + b.y};
    }
    friend AcGeVector2d operator-(const AcGeVector2d& a, const AcGeVector2d& b) {
        return {a.x - b.x, a.y - b.y};
    }
    friend AcGeVector2d operator*(double factor, const AcGeVector2d& v) {
        return {factor * v.x, factor * v.y};
    }
    friend bool operator==(const AcGeVector2d&, const AcGeVector2d&) = default;

    double x = 0.0;
    double y = 0.0;
};
