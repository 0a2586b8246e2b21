#include "platform/core/text/NumberedTexts.h"
#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/RedrawPause.h"
#include "spreadsheet/Vdn_DlgPromptString.h"
#include "spreadsheet/Vdn_Spread.h"

#include <algorithm>
#include <vector>

// Inserting, deleting and moving rows and columns; locks, spans, the active cell and the
// selection.

namespace {

// Texts of the name prompt.
constexpr int kPromptCaption = 1150;
constexpr int kPromptLabel = 1151;
constexpr int kPromptRow = 1152;
constexpr int kPromptColumn = 1153;
constexpr int kPromptDefault = 171;

} // namespace

bool Vdn_Spread::askName(bool forRow, Vdn_String& name) {
    Vdn_DlgPromptString prompt(this);
    prompt.caption = dialString(kPromptCaption);
    prompt.label =
        dialString(kPromptLabel) + L" " + dialString(forRow ? kPromptRow : kPromptColumn) + L":";
    prompt.value = dialString(kPromptDefault);
    prompt.okCaption = L"Ok";
    if (prompt.DoModal() != IDOK || !prompt.accepted)
        return false;
    name = prompt.value;
    return true;
}

bool Vdn_Spread::insertRow(const int& row, bool askForName, bool copyNext) {
    if (!attached || row < 1 || row > SSGetMaxRows() + 1)
        return false;
    {
        RedrawPause pause(*this);
        setMaxRows(SSGetMaxRows() + 1, false);
        SSInsRow(row);
        setRowFonts(row, row);
        SSSetBool(kOptionChanged, true);
        if (copyNext && row + 1 <= SSGetMaxRows() && SSGetMaxCols() >= 1)
            SSCopyRange(1, row + 1, SSGetMaxCols(), row + 1, 1, row);
    }
    Vdn_String name;
    if (askForName && askName(true, name))
        SSSetData(kHeader, row, name.str());
    return true;
}

bool Vdn_Spread::insertCol(const int& col, bool askForName, bool copyNext) {
    if (!attached || col < 1 || col > SSGetMaxCols() + 1)
        return false;
    {
        RedrawPause pause(*this);
        setMaxCols(SSGetMaxCols() + 1, false);
        SSInsCol(col);
        setColumnFonts(col, col);
        SSSetBool(kOptionChanged, true);
        if (copyNext && col + 1 <= SSGetMaxCols() && SSGetMaxRows() >= 1)
            SSCopyRange(col + 1, 1, col + 1, SSGetMaxRows(), col, 1);
    }
    Vdn_String name;
    if (askForName && askName(false, name))
        SSSetData(col, kHeader, name.str());
    return true;
}

int Vdn_Spread::appendRow(bool copyPrevious) {
    if (!attached)
        return -1;
    RedrawPause pause(*this);
    const int row = SSGetMaxRows() + 1;
    if (!setMaxRows(row, false))
        return -1;
    clearRow(row);
    setRowFonts(row, row);
    SSSetBool(kOptionChanged, true);
    if (copyPrevious && row > 1 && SSGetMaxCols() >= 1)
        SSCopyRange(1, row - 1, SSGetMaxCols(), row - 1, 1, row);
    return row;
}

bool Vdn_Spread::insertRowAfterActive(bool copyNext) {
    const int row = activeRow();
    return row >= 0 && insertRow(row + 1, false, copyNext);
}

bool Vdn_Spread::deleteRow(const int& row) {
    if (!attached || row < 1 || row > SSGetMaxRows())
        return false;
    RedrawPause pause(*this);
    SSDelRow(row);
    SSSetMaxRows(SSGetMaxRows() - 1);
    SSSetBool(kOptionChanged, true);
    return true;
}

bool Vdn_Spread::deleteCol(const int& col) {
    if (!attached || col < 1 || col > SSGetMaxCols())
        return false;
    RedrawPause pause(*this);
    SSDelCol(col);
    SSSetMaxCols(SSGetMaxCols() - 1);
    SSSetBool(kOptionChanged, true);
    return true;
}

bool Vdn_Spread::deleteActiveRow() {
    const int row = activeRow();
    return row >= 1 && deleteRow(row);
}

bool Vdn_Spread::moveRows(const int& first, const int& last, const int& to) {
    const int rows = SSGetMaxRows();
    const int count = last - first + 1;
    if (!attached || first < 1 || last < first || last > rows || to < 1 || to + count - 1 > rows)
        return false;
    if (to == first)
        return true;
    RedrawPause pause(*this);
    const int lastCol = SSGetMaxCols() >= 1 ? SSGetMaxCols() : kHeader;
    // Room for the rows at their new place, then the rows (with their names) go there and
    // their old place closes; references in formulas follow the cells.
    SSSetMaxRows(rows + count);
    if (to < first) {
        sheet().insertRows(to, count);
        SSMoveRange(kHeader, first + count, lastCol, last + count, kHeader, to);
        sheet().deleteRows(first + count, count);
    } else {
        sheet().insertRows(to + count, count);
        SSMoveRange(kHeader, first, lastCol, last, kHeader, to + count);
        sheet().deleteRows(first, count);
    }
    SSSetMaxRows(rows);
    SSSetBool(kOptionChanged, true);
    return true;
}

namespace {

// Moves the active cell (and a selected block) along with its row.
void followRow(TSpread& spread, int col, int row) {
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    const bool selected = spread.SSGetSelectBlock(c1, r1, c2, r2);
    spread.SSSetActiveCell(col, row);
    if (selected)
        spread.SSSetSelection(c1, row, c2, row);
}

} // namespace

bool Vdn_Spread::moveActiveRowUp() {
    const int row = activeRow();
    const int col = activeCol();
    if (row <= 1 || !moveRows(row, row, row - 1))
        return false;
    followRow(*this, col, row - 1);
    return true;
}

bool Vdn_Spread::moveActiveRowDown() {
    const int row = activeRow();
    const int col = activeCol();
    if (row < 1 || row >= SSGetMaxRows() || !moveRows(row, row, row + 1))
        return false;
    followRow(*this, col, row + 1);
    return true;
}

// --- locks and linked check boxes ----------------------------------------------------------------

bool Vdn_Spread::lockCell(const int& col, const int& row, bool lock) {
    return attached && SSSetLockRange(col, row, col, row, lock);
}

bool Vdn_Spread::lockRow(const int& row, bool lock) {
    return validRow(row) && SSGetMaxCols() >= 1 &&
           SSSetLockRange(1, row, SSGetMaxCols(), row, lock);
}

bool Vdn_Spread::lockColumn(const int& col, bool lock) {
    return validCol(col) && SSGetMaxRows() >= 1 &&
           SSSetLockRange(col, 1, col, SSGetMaxRows(), lock);
}

void Vdn_Spread::updateLinkedRow(int row) {
    bool checked = false;
    getCheck(checkColumn, row, checked);
    lockCell(targetColumn, row, !checked);
}

bool Vdn_Spread::linkCheckColumn(const int& checkCol, const int& targetCol) {
    const int cols = SSGetMaxCols();
    if (!attached || checkCol < 1 || checkCol > cols || targetCol < 1 || targetCol > cols)
        return false;
    RedrawPause pause(*this);
    checkColumn = checkCol;
    targetColumn = targetCol;
    for (int row = 1; row <= SSGetMaxRows(); ++row)
        updateLinkedRow(row);
    return true;
}

// --- spans ---------------------------------------------------------------------------------------

bool Vdn_Spread::removeSpans(const int& col) {
    if (!attached || col < 1 || col > SSGetMaxCols())
        return false;
    for (int row = 1; row <= SSGetMaxRows(); ++row)
        SSRemoveCellSpan(col, row);
    return true;
}

bool Vdn_Spread::removeAllSpans() {
    if (!attached)
        return false;
    const std::vector<grid::CellRange> spans = sheet().spans();
    for (const grid::CellRange& span : spans)
        sheet().removeSpan(span.first);
    return true;
}

bool Vdn_Spread::mergeEqualCells(const int& col) {
    if (!removeSpans(col))
        return false;
    RedrawPause pause(*this);
    const int rows = SSGetMaxRows();
    int runStart = 1;
    Vdn_String runValue;
    getCellText(col, 1, runValue, Vdn_Spread::kCellValue);
    for (int row = 2; row <= rows + 1; ++row) {
        Vdn_String value;
        if (row <= rows) {
            getCellText(col, row, value, Vdn_Spread::kCellValue);
            // An empty value never joins a run.
            if (!value.isEmpty() && value == runValue)
                continue;
        }
        if (row - runStart > 1)
            SSAddCellSpan(col, runStart, 1, row - runStart);
        runStart = row;
        runValue = value;
    }
    return true;
}

// --- active cell and selection -------------------------------------------------------------------

bool Vdn_Spread::getActiveCell(int& col, int& row) {
    if (!attached)
        return false;
    int c = 0;
    int r = 0;
    if (SSGetActiveCell(c, r) && bodyCell(c, r)) {
        col = c;
        row = r;
        return true;
    }
    if (!SSSetActiveCell(1, 1))
        return false;
    col = 1;
    row = 1;
    return true;
}

int Vdn_Spread::activeRow() {
    if (!attached)
        return -1;
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    if (SSGetSelectBlock(c1, r1, c2, r2) && r1 >= 1 && r1 <= SSGetMaxRows())
        return r1;
    int col = 0;
    int row = 0;
    return getActiveCell(col, row) ? row : -1;
}

int Vdn_Spread::activeCol() {
    if (!attached)
        return -1;
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    if (SSGetSelectBlock(c1, r1, c2, r2) && c1 >= 1 && c1 <= SSGetMaxCols())
        return c1;
    int col = 0;
    int row = 0;
    return getActiveCell(col, row) ? col : -1;
}

bool Vdn_Spread::selectRow(const int& row) {
    if (!bodyCell(1, row))
        return false;
    SSSetActiveCell(1, row);
    return SSSetSelection(1, row, SSGetMaxCols(), row);
}

bool Vdn_Spread::setSelection(const int& col, const int& row, const int& col2, const int& row2) {
    return attached && SSSetSelection(col, row, col2, row2);
}

bool Vdn_Spread::setAllChecks(bool checked) {
    if (!attached)
        return false;
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    if (!SSGetSelectBlock(c1, r1, c2, r2)) {
        if (!getActiveCell(c1, r1))
            return false;
        c2 = c1;
        r2 = r1;
    }
    c1 = c1 < 1 ? 1 : c1;
    r1 = r1 < 1 ? 1 : r1;
    c2 = c2 < 1 ? SSGetMaxCols() : std::min(c2, SSGetMaxCols());
    r2 = r2 < 1 ? SSGetMaxRows() : std::min(r2, SSGetMaxRows());
    RedrawPause pause(*this);
    for (int row = r1; row <= r2; ++row) {
        for (int col = c1; col <= c2; ++col) {
            if (SSGetCellType(col, row) != kCheckBoxType)
                continue;
            SSSetValue(col, row, checked ? L"1" : L"0");
            // A linked target cell follows its check box.
            if (col == checkColumn)
                updateLinkedRow(row);
        }
    }
    return true;
}

bool Vdn_Spread::setCheckRow(const Vdn_StringArray& labels, const Vdn_Array<bool>& checks,
                             const int& row) {
    if (!attached || row < 1 || row > SSGetMaxRows())
        return false;
    RedrawPause pause(*this);
    for (int i = 0; i < labels.length() && 2 * i + 2 <= SSGetMaxCols(); ++i)
        SSSetData(2 * i + 2, row, labels[i].str());
    for (int i = 0; i < checks.length() && 2 * i + 1 <= SSGetMaxCols(); ++i)
        setCheck(2 * i + 1, row, checks[i]);
    return true;
}
