#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/workshop/WsUiGlobalSettings.h"
#include "platform/core/workshop/WsUiOutlineItem.h"

// The items of the settings tree in order: "Algemeen" (the root), then per group in model
// order the group, its "Werkstuk" (assembly) and "Zichten" (views) items and one item per
// view. Each item carries its own path, so a row of the tree maps to its item explicitly.
Vdn_Array<WsUiOutlineItem> wsUiSettingsOutline(const WsUiGlobalSettings& settings);
