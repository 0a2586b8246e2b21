#include "dialogs/FormulaSheetScope.h"

Vdn_Spread* gCurrentFormulaSheet = nullptr;
