#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_Array.h"
#include "spreadsheet/standards/TfSSMapping.h"
#include "spreadsheet/standards/TfVarCell.h"

class TfDlgStandardsData;
class Vdn_Spread;

// The variables of a standards sheet in collection order, with the mapping that connects
// them with the values of a macro. Values travel macro -> cells (getFromMacro), cells -> sheet
// (setValuesToSS), sheet -> cells (getValuesFromSS, outputs only) and cells -> macro
// (setToMacro, outputs only). Operations give eOk or eInvalidInput.
class TfVarCells {
public:
    TfVarCells() = default;
    TfVarCells(const TfVarCells&) = default;
    TfVarCells(TfVarCells&&) noexcept = default;
    TfVarCells& operator=(const TfVarCells&) = default;
    TfVarCells& operator=(TfVarCells&&) noexcept = default;
    virtual ~TfVarCells() = default;

    friend bool operator==(const TfVarCells&, const TfVarCells&) = default;

    const TfSSMapping& mapping() const { return mapping_; }
    TfSSMapping& mapping() { return mapping_; }

    int length() const { return cells_.length(); }
    const TfVarCell& operator[](int index) const { return cells_[index]; }
    TfVarCell& operator[](int index) { return cells_[index]; }
    void append(TfVarCell cell) { cells_.append(std::move(cell)); }
    bool removeAt(int index) { return cells_.removeAt(index); }
    // Empties the list; the mapping stays as it is.
    void resetVarCells() { cells_.clear(); }

    // Sets up the mapping (from data's module group, else from the mapping file for data's
    // drawing macro) and gives every input and output its macro value; locals become empty.
    // Fails only when there is neither a module group nor a drawing macro. Without a usable
    // mapping no variable is read, so the sheet runs on the values its cells hold. A variable
    // that cannot be read keeps its value and, while the document's spreadsheet messages are
    // on, is reported in a warning box. The record's report (if any) learns how many inputs
    // were filled and why the mapping gave nothing.
    Acad::ErrorStatus getFromMacro(TfDlgStandardsData& data);
    // Writes every output into the macro; failures are ignored, the result is always eOk.
    Acad::ErrorStatus setToMacro(TfDlgStandardsData& data);
    // Every output takes its cell's current value; stops at the first failure, whose index
    // goes to failed when given.
    Acad::ErrorStatus getValuesFromSS(Vdn_Spread& sheet, int* failed = nullptr);
    // Writes every variable into its cell; stops at the first failure, whose index goes to
    // failed when given.
    Acad::ErrorStatus setValuesToSS(Vdn_Spread& sheet, int* failed = nullptr);
    // Whether every input of this list has, in other, a variable of the same name with the
    // same value type and an equal value (both without regard to case).
    bool hasSameInput(const TfVarCells& other) const;
    // The first variable named name (without regard to case); index is left alone when none.
    Acad::ErrorStatus findVarCell(const Vdn_String& name, int& index) const;

private:
    Vdn_Array<TfVarCell> cells_;
    TfSSMapping mapping_;
};
