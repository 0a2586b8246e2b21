#pragma once
// The current formula sheet: the spreadsheet control of the Formulas dialog whose formulas are
// being evaluated, null when none is. FROMTABLE takes it as the sheet it was called from.
//
// FormulaSheetScope makes a sheet current for its lifetime and then brings back the one that
// was current before, so nested dialogs and evaluations restore it on every way out.

class Vdn_Spread;

extern Vdn_Spread* gCurrentFormulaSheet;

class FormulaSheetScope {
public:
    explicit FormulaSheetScope(Vdn_Spread* sheet) : previous(gCurrentFormulaSheet) {
        gCurrentFormulaSheet = sheet;
    }
    ~FormulaSheetScope() { gCurrentFormulaSheet = previous; }
    FormulaSheetScope(const FormulaSheetScope&) = delete;
    FormulaSheetScope& operator=(const FormulaSheetScope&) = delete;

private:
    Vdn_Spread* previous;
};
