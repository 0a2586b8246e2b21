#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/Vdn_Spread.h"

#include <algorithm>

// Finding texts in the cells' values and replacing them.

bool Vdn_Spread::findInRow(const Vdn_String& text, bool partial, const int& row, const int& fromCol,
                           int& foundCol) const {
    if (!attached || row < 1 || row > SSGetMaxRows())
        return false;
    for (int col = std::max(fromCol, 1); col <= SSGetMaxCols(); ++col) {
        Vdn_String value;
        if (!getCellText(col, row, value, Vdn_Spread::kCellValue))
            continue;
        if (value.equal(text, false) || (partial && findFirstFrom(value, text, 0, false) >= 0)) {
            foundCol = col;
            return true;
        }
    }
    return false;
}

bool Vdn_Spread::findFrom(const Vdn_String& text, bool partial, const int& col, const int& row,
                          int& foundCol, int& foundRow) const {
    if (!attached || row < 1)
        return false;
    for (int r = row; r <= SSGetMaxRows(); ++r) {
        if (findInRow(text, partial, r, r == row ? col : 1, foundCol)) {
            foundRow = r;
            return true;
        }
    }
    return false;
}

bool Vdn_Spread::findInCell(const Vdn_String& text, const int& col, const int& row,
                            const int& fromPos, int& foundPos) const {
    Vdn_String value;
    if (text.isEmpty() || !bodyCell(col, row) ||
        !getCellText(col, row, value, Vdn_Spread::kCellValue))
        return false;
    const int position = value.find(text, true, std::max(fromPos, 0));
    if (position < 0)
        return false;
    foundPos = position;
    return true;
}

bool Vdn_Spread::selectInCell(const Vdn_String& text, const int& col, const int& row,
                              const int& pos) {
    if (!bodyCell(col, row) || pos < 0)
        return false;
    SetFocus();
    // The active cell first: changing it ends an edit.
    return SSSetActiveCell(col, row) && SSSetEditMode(true) && SSSetEditSel(pos, text.length());
}

bool Vdn_Spread::findNext(const Vdn_String& text, int& col, int& row, int& pos) const {
    if (!bodyCell(col, row) || text.isEmpty())
        return false;
    int found = 0;
    if (findInCell(text, col, row, pos + 1, found)) {
        pos = found;
        return true;
    }
    const int cols = SSGetMaxCols();
    for (int r = row; r <= SSGetMaxRows(); ++r) {
        for (int c = r == row ? col + 1 : 1; c <= cols; ++c) {
            if (findInCell(text, c, r, 0, found)) {
                col = c;
                row = r;
                pos = found;
                return true;
            }
        }
    }
    return false;
}

bool Vdn_Spread::replaceSelection(const Vdn_String& text) {
    int col = 0;
    int row = 0;
    if (!attached || !SSGetEditMode() || !SSGetActiveCell(col, row) || !bodyCell(col, row))
        return false;
    Vdn_String formula;
    Vdn_String value;
    // Writing the shown result over a formula would lose the formula.
    if (!getCellText(col, row, formula, Vdn_Spread::kCellFormula) || !formula.isEmpty() ||
        !getCellText(col, row, value, Vdn_Spread::kCellValue))
        return false;
    int start = 0;
    int length = 0;
    SSGetEditSel(start, length);
    if (start > value.length())
        return false;
    const Vdn_String replaced = value.substr(0, start) + text + value.substr(start + length);
    if (!SSSetValue(col, row, replaced.str()))
        return false;
    SSSetEditSel(start + text.length(), 0);
    return true;
}

int Vdn_Spread::replaceInCell(const int& col, const int& row, const Vdn_String& find,
                              const Vdn_String& replace) {
    if (!bodyCell(col, row))
        return -1;
    Vdn_String formula;
    Vdn_String value;
    if (find.isEmpty() || !getCellText(col, row, formula, Vdn_Spread::kCellFormula) ||
        !formula.isEmpty() || !getCellText(col, row, value, Vdn_Spread::kCellValue))
        return 0;
    int count = 0;
    for (int at = value.find(find); at >= 0; at = value.find(find, true, at + find.length()))
        ++count;
    if (count == 0 || !SSSetValue(col, row, value.replace(find, replace).str()))
        return 0;
    return count;
}
