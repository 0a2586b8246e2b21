#include "platform/ui/graphics/CBitmap.h"
#include "spreadsheet/RedrawPause.h"
#include "spreadsheet/Vdn_Spread.h"

#include <string>

// Cells: reading and writing them, and the cell kinds the wrapper creates.

namespace {

constexpr double kNumberLimit = 99999999999999.0;
constexpr DWORD kNumberStyle = 0x10400000;
constexpr DWORD kPlainNumberStyle = 0x10100000;
constexpr DWORD kComboStyle = 0x100000;
constexpr DWORD kEditableComboStyle = 0x100002;
constexpr DWORD kBitmapButtonStyle = 0x210024;
constexpr DWORD kIconButtonStyle = 0x211004;
constexpr DWORD kTitleStyle = 36;

// The combo's items as the control takes them: one text, separated by tabs.
std::wstring joinedItems(const Vdn_StringArray& items) {
    std::wstring joined;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0)
            joined += L'\t';
        joined += items[i].str();
    }
    return joined;
}

// A picture check box: unchecked picture up, checked picture down. 768 is the centred box
// (BS_CENTER); a left-aligned one keeps only BS_LEFT.
grid::CellType checkBoxType(bool centred) {
    return TSpread::SSSetTypeCheckBox(centred ? BS_CENTER : BS_LEFT, L"",
                                      std::to_wstring(Vdn_Spread::kUncheckedBitmap),
                                      std::to_wstring(Vdn_Spread::kCheckedBitmap));
}

} // namespace

bool Vdn_Spread::getCellText(const int& col, const int& row, Vdn_String& text,
                             const int& kind) const {
    text = Vdn_String();
    if (!attached)
        return false;
    std::wstring found;
    bool ok = false;
    switch (kind) {
    case 0:
        ok = SSGetData(col, row, found);
        break;
    case 1:
        ok = SSGetFormula(col, row, found);
        break;
    case 2:
        ok = SSGetCellTag(col, row, found);
        break;
    case 3:
        ok = SSGetValue(col, row, found);
        break;
    default:
        break;
    }
    if (ok)
        text = Vdn_String(std::move(found));
    return ok;
}

bool Vdn_Spread::setCellText(const int& col, const int& row, const Vdn_String& text) {
    return attached && SSSetData(col, row, text.str());
}

bool Vdn_Spread::setCellValue(const int& col, const int& row, const Vdn_String& text) {
    return attached && SSSetValue(col, row, text.str());
}

int Vdn_Spread::getCellInt(const int& col, const int& row) const {
    Vdn_String text;
    return getCellText(col, row, text, Vdn_Spread::kCellValue) ? text.toInt() : 0;
}

double Vdn_Spread::getCellDouble(const int& col, const int& row) const {
    Vdn_String text;
    return getCellText(col, row, text, Vdn_Spread::kCellValue) ? text.toDouble() : 0.0;
}

bool Vdn_Spread::setCellDouble(const int& col, const int& row, const double& value) {
    return setCellValue(col, row, Vdn_String(value, 2));
}

bool Vdn_Spread::setCellInt(const int& col, const int& row, const int& value) {
    return setCellValue(col, row, Vdn_String(value));
}

int Vdn_Spread::cellType(const int& col, const int& row) const {
    return attached ? SSGetCellType(col, row) : -1;
}

bool Vdn_Spread::getCheck(const int& col, const int& row, bool& checked) const {
    Vdn_String text;
    if (!getCellText(col, row, text, Vdn_Spread::kCellValue))
        return false;
    if (text == L"1" || text == L"0") {
        checked = text == L"1";
        return true;
    }
    return false;
}

bool Vdn_Spread::setCheck(const int& col, const int& row, bool checked) {
    return setCellValue(col, row, checked ? L"1" : L"0");
}

// --- cell kinds ----------------------------------------------------------------------------------

bool Vdn_Spread::setEditCells(const int& col, const int& row, const int& col2, const int& row2,
                              DWORD style, int maxLength) {
    return attached && SSSetCellTypeRange(col, row, col2, row2, SSSetTypeEdit(style, maxLength));
}

bool Vdn_Spread::setNumberCells(const int& col, const int& row, const int& col2, const int& row2,
                                const int& decimals, bool plain) {
    return attached && SSSetCellTypeRange(col, row, col2, row2,
                                          SSSetTypeNumber(plain ? kPlainNumberStyle : kNumberStyle,
                                                          decimals, -kNumberLimit, kNumberLimit));
}

bool Vdn_Spread::setNumberColumn(const int& col, const int& decimals, bool plain) {
    return attached && SSGetMaxRows() >= 1 &&
           setNumberCells(col, 1, col, SSGetMaxRows(), decimals, plain);
}

bool Vdn_Spread::setComboCells(const int& col, const int& row, const int& col2, const int& row2,
                               const Vdn_StringArray& items, bool editable) {
    return attached &&
           SSSetCellTypeRange(
               col, row, col2, row2,
               SSSetTypeComboBox(editable ? kEditableComboStyle : kComboStyle, joinedItems(items)));
}

bool Vdn_Spread::setComboColumn(const int& col, const Vdn_StringArray& items, bool editable) {
    return attached && SSGetMaxRows() >= 1 &&
           setComboCells(col, 1, col, SSGetMaxRows(), items, editable);
}

bool Vdn_Spread::setCheckBoxColumn(const int& col, bool centred, bool spanHeader) {
    if (!attached || col < 1 || col > SSGetMaxCols())
        return false;
    RedrawPause pause(*this);
    ensurePictures();
    if (SSGetMaxRows() >= 1)
        SSSetCellTypeRange(col, 1, col, SSGetMaxRows(), checkBoxType(centred));
    if (spanHeader)
        SSAddCellSpan(col, kHeader, 2, 1);
    return true;
}

bool Vdn_Spread::setCheckBoxCell(const int& col, const int& row, bool centred) {
    if (!attached)
        return false;
    ensurePictures();
    return SSSetCellType(col, row, checkBoxType(centred));
}

bool Vdn_Spread::setPictureButtonCell(const int& col, const int& row, const int& resourceId,
                                      bool isIcon) {
    return attached && SSSetCellType(col, row,
                                     SSSetTypeButton(isIcon ? kIconButtonStyle : kBitmapButtonStyle,
                                                     L"", std::to_wstring(resourceId)));
}

bool Vdn_Spread::setTextButtonColumn(const int& col, const Vdn_String& text) {
    return attached && SSGetMaxRows() >= 1 &&
           SSSetCellTypeRange(col, 1, col, SSGetMaxRows(), SSSetTypeButton(0, text.str(), L""));
}

bool Vdn_Spread::setTextButtonCell(const int& col, const int& row, const Vdn_String& text) {
    return attached && SSSetCellType(col, row, SSSetTypeButton(0, text.str(), L""));
}

bool Vdn_Spread::addTitleRow(const Vdn_String& text, const int& row) {
    const int cols = SSGetMaxCols();
    if (!attached || row < 1 || row > SSGetMaxRows() || cols < 1)
        return false;
    RedrawPause pause(*this);
    for (int col = 1; col <= cols; ++col)
        SSRemoveCellSpan(col, row);
    SSSetCellTypeRange(1, row, cols, row, SSSetTypeStaticText(kTitleStyle));
    SSSetData(1, row, text.str());
    if (cols > 1)
        SSAddCellSpan(1, row, cols, 1);
    return true;
}
