#include "spreadsheet/standards/TfVarCell.h"

#include "platform/core/StringHelpers.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/standards/TfSSMapping.h"

namespace {

constexpr int kIntegerDecimals = 0;
constexpr int kDoubleDecimals = 7;
constexpr int kTextMaxLength = 9999;

} // namespace

Acad::ErrorStatus TfVarCell::initialize(Vdn_Spread& sheet, const int& cellCol, const int& cellRow,
                                        const TfCellType& type) {
    if (!sheet.getCellText(cellCol, cellRow, name, 3))
        return Acad::eInvalidInput;
    const Vdn_String text = stripSymbols(name, L' ', true, false);
    if (text.startsWith(L"Int", false))
        valueType = tfInteger;
    else if (text.startsWith(L"Double", false))
        valueType = tfDouble;
    else if (text.startsWith(L"String", false))
        valueType = tfString;
    else
        return Acad::eInvalidInput;
    name = text.find(L" ") < 0 ? Vdn_String() : getSubstrAfter(text, L" ", false);
    col = cellCol;
    row = cellRow;
    cellType = type;
    return Acad::eOk;
}

Acad::ErrorStatus TfVarCell::setValueFromMacro(TfSSMapping& mapping, TfDlgStandardsData& data) {
    return mapping.getMacroVarValue(name, valueType, value, data) == Acad::eOk
               ? Acad::eOk
               : Acad::eInvalidInput;
}

Acad::ErrorStatus TfVarCell::setValueToMacro(TfSSMapping& mapping, TfDlgStandardsData& data) const {
    return mapping.setMacroVarValue(name, valueType, value, data) == Acad::eOk
               ? Acad::eOk
               : Acad::eInvalidInput;
}

Acad::ErrorStatus TfVarCell::setValueFromOther(Vdn_Spread& sheet, const TfVarCell& other) {
    return setNewValue(sheet, other.value);
}

Acad::ErrorStatus TfVarCell::setNewValue(const Vdn_String& text) {
    value = text;
    return Acad::eOk;
}

Acad::ErrorStatus TfVarCell::setNewValue(Vdn_Spread& sheet, const Vdn_String& text) {
    value = text;
    return setValueToSS(sheet);
}

Acad::ErrorStatus TfVarCell::setValueToSS(Vdn_Spread& sheet) const {
    bool typed = false;
    switch (valueType) {
    case tfInteger:
        typed = sheet.setNumberCells(col, row, col, row, kIntegerDecimals, true);
        break;
    case tfDouble:
        typed = sheet.setNumberCells(col, row, col, row, kDoubleDecimals, true);
        break;
    case tfString:
        typed = sheet.setEditCells(col, row, col, row, 0, kTextMaxLength);
        break;
    }
    return typed && sheet.setCellValue(col, row, value) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus TfVarCell::getCurrentValue(Vdn_Spread& sheet, Vdn_String& text) const {
    return sheet.getCellText(col, row, text, 3) ? Acad::eOk : Acad::eInvalidInput;
}
