#pragma once

#include "platform/core/model/MacroProfSegment.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"

// The record of one profile placement in a macro tab, or, as merged properties of a profile
// group, of all placements of the group (then moduleName and index are empty and -1 unless
// all placements share them, and a text that differs between them is empty).
struct MacroProfData {
    // The base plane of merged properties whose placements lie on different planes. Written
    // back, it changes no placement's plane.
    static constexpr const wchar_t* kUndeterminedPlane = L"<undetermined>";

    Vdn_String moduleName; // the module that places the profile
    int index = -1;        // the placement's position in that module
    Vdn_String name;       // the profile group
    Vdn_String section;
    Vdn_String material;
    Vdn_String memberName;
    // The placement's offset type and rotation (0, 90, 180 or 270 degrees); -1 in merged
    // properties whose placements differ.
    int offsetType = 0;
    int rotation = 0;
    double secondValue = 0.0;
    // Empty: the world coordinate system; "xp", "yp", "zp": the plane normal to that axis of
    // the coordinate system; any other text: a plane picked in the drawing.
    Vdn_String basePlane;
    Vdn_String coordinateSystem;
    int planeAxis = 2; // 0 x, 1 y, 2 z: the axis of an axis plane
    // A morphed (tapering) profile has a second section at its end.
    bool morphed = false;
    Vdn_String endSection;
    Vdn_String morphStartText;
    Vdn_String morphEndText;
    bool mirrored = false;
    bool extended = false;
    double extension = 0.0;
    Vdn_Array<MacroProfSegment> segments;

    friend bool operator==(const MacroProfData&, const MacroProfData&) = default;
};
