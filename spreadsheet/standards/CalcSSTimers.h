#pragma once

#include "platform/core/settings/Vdn_Timer.h"
#include "spreadsheet/standards/VarCellTimers.h"

#include <span>

// The phase timers of a standards evaluation (see TfCalcSS and CDlgSSStandards). They only
// measure; gInitMapping and gInitFromMacro (VarCellTimers.h) time the phases inside
// TfVarCells::getFromMacro. Phases that do not run do not touch their timers: the variable
// table (gCalcCellGetVarNames, ...GetVarCoords, ...GetVarCoordName) is built only when the
// variables differ from those of the sheet's previous evaluation, and an equation met before
// skips splitting, finding its variable and functions and replacing names.
extern Vdn_Timer gLoadFile;
extern Vdn_Timer gInitSSForInput;
extern Vdn_Timer gSSSGetFromMacro;
extern Vdn_Timer gSetMacroValuelsToSS;
extern Vdn_Timer gSSSreplaceGenVars;
extern Vdn_Timer gCalcMain;
extern Vdn_Timer gSetToMacro;
extern Vdn_Timer gGetFromVars;
extern Vdn_Timer gCalcChild;
extern Vdn_Timer gSetToVars;
extern Vdn_Timer gRegisterFuntions;
extern Vdn_Timer gFindDuplicates;
extern Vdn_Timer gCalcCells;
extern Vdn_Timer gCalcCellSplitSymbol;
extern Vdn_Timer gCalcCellFindVarCell;
extern Vdn_Timer gCalcCellFindFunctions;
extern Vdn_Timer gCalcCellCalcNativeFunctions;
extern Vdn_Timer gCalcCellCalcFunctionsPrepare;
extern Vdn_Timer gCalcCellCalcFunctions;
extern Vdn_Timer gCalcCellGetVarNames;
extern Vdn_Timer gCalcCellGetVarCoordName;
extern Vdn_Timer gCalcCellGetVarCoords;
extern Vdn_Timer gCalcCellReplaceVariables;

// All 25 phase timers, in the order of the phases of an evaluation.
std::span<Vdn_Timer* const> calcSSPhaseTimers();
