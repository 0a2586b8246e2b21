#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_String.h"
#include "spreadsheet/standards/TfCellType.h"
#include "spreadsheet/standards/TfValueType.h"

#include <string_view>

class TfDlgStandardsData;
class TfSSMapping;
class Vdn_Spread;

// A variable declared in a cell of a standards sheet: a cell whose text is a value-type
// keyword ("Int", "Double", "String"), a space and a name. The variable's value lives in that
// very cell once the sheet has been filled (setValueToSS). Operations give eOk or
// eInvalidInput.
class TfVarCell {
public:
    // The longest text a text variable holds.
    static constexpr int kTextMaxLength = 9999;

    TfVarCell() = default;
    TfVarCell(const TfVarCell&) = default;
    TfVarCell(TfVarCell&&) noexcept = default;
    TfVarCell& operator=(const TfVarCell&) = default;
    TfVarCell& operator=(TfVarCell&&) noexcept = default;
    virtual ~TfVarCell() = default;

    friend bool operator==(const TfVarCell&, const TfVarCell&) = default;

    // Declares the variable of the cell at col, row. The cell's value, leading spaces aside,
    // must start with a keyword (without regard to case, so "Integer" counts as "Int"); the
    // name is the text after the first space, empty when there is none. Fails for a cell
    // outside the sheet or a text without keyword; name then holds what was read.
    Acad::ErrorStatus initialize(Vdn_Spread& sheet, const int& col, const int& row,
                                 const TfCellType& type);
    // The same for the cell at col, row whose value is text.
    Acad::ErrorStatus initialize(std::wstring_view text, int col, int row, TfCellType type);

    bool isInput() const { return cellType == tfInput; }
    bool isOutput() const { return cellType == tfOutput; }
    bool isLocal() const { return cellType == tfLocal; }

    // value = the macro value that the mapping gives for the variable.
    Acad::ErrorStatus setValueFromMacro(TfSSMapping& mapping, TfDlgStandardsData& data);
    // Writes value into the macro through the mapping.
    Acad::ErrorStatus setValueToMacro(TfSSMapping& mapping, TfDlgStandardsData& data) const;
    // Takes other's value and writes it into this variable's cell.
    Acad::ErrorStatus setValueFromOther(Vdn_Spread& sheet, const TfVarCell& other);

    Vdn_String name;
    TfCellType cellType = tfInput;
    // The current value, always as text.
    Vdn_String value;
    TfValueType valueType = tfString;
    // The declaring cell.
    int col = 0;
    int row = 0;

private:
    friend class TfVarCells;
    friend class TfCalcSS;

    // value = text; the sheet is not touched.
    Acad::ErrorStatus setNewValue(const Vdn_String& text);
    // value = text, written into the cell; when the cell refuses it, nothing changes.
    Acad::ErrorStatus setNewValue(Vdn_Spread& sheet, const Vdn_String& text);
    // Gives the declaring cell the kind of the value type (integer: a number cell without
    // decimals; double: 7 decimals; text: an edit cell of at most 9999 characters) and writes
    // value into it as its value. Fails when the cell refuses the value.
    Acad::ErrorStatus setValueToSS(Vdn_Spread& sheet) const;
    // The cell's current value. Fails outside the sheet and for a formula whose result is an
    // error, which has no value to pass on.
    Acad::ErrorStatus getCurrentValue(Vdn_Spread& sheet, Vdn_String& text) const;
};
