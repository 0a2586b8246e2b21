#pragma once

#include "platform/core/settings/Vdn_Timer.h"

// Phase timers of TfVarCells::getFromMacro: setting up the mapping, and reading the values.
extern Vdn_Timer gInitMapping;
extern Vdn_Timer gInitFromMacro;
