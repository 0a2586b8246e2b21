#include "spreadsheet/standards/CalcSSTimers.h"

#include <array>

Vdn_Timer gLoadFile(L"gLoadFile");
Vdn_Timer gInitSSForInput(L"gInitSSForInput");
Vdn_Timer gSSSGetFromMacro(L"gSSSGetFromMacro");
Vdn_Timer gSetMacroValuelsToSS(L"gSetMacroValuelsToSS");
Vdn_Timer gSSSreplaceGenVars(L"gSSSreplaceGenVars");
Vdn_Timer gCalcMain(L"gCalcMain");
Vdn_Timer gSetToMacro(L"gSetToMacro");
Vdn_Timer gGetFromVars(L"gGetFromVars");
Vdn_Timer gCalcChild(L"gCalcChild");
Vdn_Timer gSetToVars(L"gSetToVars");
Vdn_Timer gRegisterFuntions(L"gRegisterFuntions");
Vdn_Timer gFindDuplicates(L"gFindDuplicates");
Vdn_Timer gCalcCells(L"gCalcCells");
Vdn_Timer gCalcCellSplitSymbol(L"gCalcCellSplitSymbol");
Vdn_Timer gCalcCellFindVarCell(L"gCalcCellFindVarCell");
Vdn_Timer gCalcCellFindFunctions(L"gCalcCellFindFunctions");
Vdn_Timer gCalcCellCalcNativeFunctions(L"gCalcCellCalcNativeFunctions");
Vdn_Timer gCalcCellCalcFunctionsPrepare(L"gCalcCellCalcFunctionsPrepare");
Vdn_Timer gCalcCellCalcFunctions(L"gCalcCellCalcFunctions");
Vdn_Timer gCalcCellGetVarNames(L"gCalcCellGetVarNames");
Vdn_Timer gCalcCellGetVarCoordName(L"gCalcCellGetVarCoordName");
Vdn_Timer gCalcCellGetVarCoords(L"gCalcCellGetVarCoords");
Vdn_Timer gCalcCellReplaceVariables(L"gCalcCellReplaceVariables");

std::span<Vdn_Timer* const> calcSSPhaseTimers() {
    static const std::array<Vdn_Timer*, 25> kTimers = {
        &gLoadFile,
        &gInitMapping,
        &gInitSSForInput,
        &gInitFromMacro,
        &gSSSGetFromMacro,
        &gSetMacroValuelsToSS,
        &gSSSreplaceGenVars,
        &gCalcMain,
        &gSetToMacro,
        &gGetFromVars,
        &gCalcChild,
        &gSetToVars,
        &gRegisterFuntions,
        &gFindDuplicates,
        &gCalcCells,
        &gCalcCellSplitSymbol,
        &gCalcCellFindVarCell,
        &gCalcCellFindFunctions,
        &gCalcCellCalcNativeFunctions,
        &gCalcCellCalcFunctionsPrepare,
        &gCalcCellCalcFunctions,
        &gCalcCellGetVarNames,
        &gCalcCellGetVarCoordName,
        &gCalcCellGetVarCoords,
        &gCalcCellReplaceVariables,
    };
    return kTimers;
}
