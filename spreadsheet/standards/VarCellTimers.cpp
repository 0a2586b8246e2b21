#include "spreadsheet/standards/VarCellTimers.h"

Vdn_Timer gInitMapping(L"gInitMapping");
Vdn_Timer gInitFromMacro(L"gInitFromMacro");
