#include "spreadsheet/standards/TfVarCell.h"

#include "platform/core/text/CharCase.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/standards/TfSSMapping.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <string_view>

namespace {

constexpr int kIntegerDecimals = 0;
constexpr int kDoubleDecimals = 7;

// An integer variable holds whole numbers: a number with a fraction (an equation's quotient, a
// child's result) is rounded half away from zero, so the variable, every formula that reads its
// cell and every caller it goes back to see the same integer. Anything else is left to the cell.
Vdn_String integerText(const Vdn_String& text) {
    const std::wstring& raw = text.str();
    const wchar_t* begin = raw.c_str();
    wchar_t* end = nullptr;
    const double number = std::wcstod(begin, &end);
    if (end == begin || !std::isfinite(number))
        return text;
    while (*end == L' ')
        ++end;
    if (*end != L'\0' || number == std::trunc(number) || std::fabs(number) >= 1e15)
        return text;
    return Vdn_String(std::round(number), 0);
}

} // namespace

Acad::ErrorStatus TfVarCell::initialize(Vdn_Spread& sheet, const int& cellCol, const int& cellRow,
                                        const TfCellType& type) {
    Vdn_String text;
    if (!sheet.getCellText(cellCol, cellRow, text, Vdn_Spread::kCellValue)) {
        name = Vdn_String();
        return Acad::eInvalidInput;
    }
    return initialize(text.str(), cellCol, cellRow, type);
}

Acad::ErrorStatus TfVarCell::initialize(std::wstring_view text, int cellCol, int cellRow,
                                        TfCellType type) {
    const std::wstring_view read = text;
    text.remove_prefix(std::min(text.find_first_not_of(L' '), text.size()));
    const auto startsWith = [&text](std::wstring_view keyword) {
        return text.size() >= keyword.size() &&
               core::equalNoCase(text.substr(0, keyword.size()), keyword);
    };
    if (startsWith(L"Int")) {
        valueType = tfInteger;
    } else if (startsWith(L"Double")) {
        valueType = tfDouble;
    } else if (startsWith(L"String")) {
        valueType = tfString;
    } else {
        name = Vdn_String(read);
        return Acad::eInvalidInput;
    }
    const std::size_t space = text.find(L' ');
    name = space == std::wstring_view::npos ? Vdn_String() : Vdn_String(text.substr(space + 1));
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
    // A value the cell refuses is not taken: the variable keeps agreeing with its cell.
    Vdn_String previous = std::move(value);
    value = valueType == tfInteger ? integerText(text) : text;
    if (setValueToSS(sheet) == Acad::eOk)
        return Acad::eOk;
    value = std::move(previous);
    return Acad::eInvalidInput;
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
    return sheet.getCellText(col, row, text, Vdn_Spread::kCellValue) ? Acad::eOk
                                                                     : Acad::eInvalidInput;
}
