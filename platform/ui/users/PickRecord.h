#pragma once
// ui::PickRecord: one pick in the drawing as the user is asked for it (a point, a plane, an
// object, a point of a section, other macros), and what was picked.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

struct PickRecord {
    enum class Kind { Point, Plane, Object, SectionPoint, Macros };

    Kind kind = Kind::Point;
    std::wstring prompt;
    // What may be picked (objects, macros): object ids and their names, at the same positions.
    std::vector<std::uint64_t> candidateIds;
    std::vector<std::wstring> candidateNames;
    bool multiple = false; // several objects may be picked

    // Filled by the user: the point (also a plane's origin), a plane's normal, the picked ids
    // (each one of candidateIds).
    std::array<double, 3> point{};
    std::array<double, 3> normal{0, 0, 1};
    std::vector<std::uint64_t> chosenIds;
    bool accepted = false;
};

} // namespace ui
