#pragma once

#include "platform/core/text/Vdn_StringArray.h"

#include <variant>

// One stored workshop setting, of one of the kinds the settings hold: text, integer, long (the
// 32-bit masks), integer list, text list and list of doubles (scales).
using WsUiSettingValue =
    std::variant<Vdn_String, int, long, Vdn_Array<int>, Vdn_StringArray, Vdn_Array<double>>;

// The plain name of a value's kind ("text", "integer", ...), for messages.
const char* wsUiKindName(const WsUiSettingValue& value);

// The values an integer setting may take; reading a file and setSetting refuse others.
struct WsUiRange {
    long low;
    long high;
};
inline constexpr WsUiRange kWsUiAnyInt{-2147483647L - 1, 2147483647L};
// An integer flag: 0 or 1.
inline constexpr WsUiRange kWsUiFlag{0, 1};
// A 32-bit mask.
inline constexpr WsUiRange kWsUiMask{0, 4294967295L};
