#pragma once

#include "platform/core/model/BoltDetails.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_String.h"

// The bolt data of a bolt module; the texts are kept as given.
struct Vdn_BoltData {
    Vdn_String assembly;
    Vdn_String diameter;
    Vdn_String holeOffset;
    BoltDetails details;
    core::JsonExtras extras;

    friend bool operator==(const Vdn_BoltData&, const Vdn_BoltData&) = default;
};
