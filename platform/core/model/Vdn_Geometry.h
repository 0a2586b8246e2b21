#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_StringArray.h"

// A geometry of a module (a line, a plane, a point of the model) that constraints bind: its
// leading table cells, the name tag the user gives it and its flexibility (0 fixed,
// 1 flexible, 2 free), and whether it is a construction geometry.
struct Vdn_Geometry {
    int id = 0; // unique within the module
    int kind = 0;
    Vdn_StringArray cells;
    Vdn_String nameTag;
    int flexibility = 0;
    bool construction = false; // a construction geometry: it guides, it is not built
    core::JsonExtras extras;

    friend bool operator==(const Vdn_Geometry&, const Vdn_Geometry&) = default;
};
