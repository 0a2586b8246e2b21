#include "spreadsheet/genvars/GenVarGrid.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/grid/Sheet.h"
#include "spreadsheet/genvars/GenVarFilter.h"

#include <algorithm>
#include <utility>

GenVarGrid::GenVarGrid(std::vector<Column> columns) : mColumns(std::move(columns)) {}

bool GenVarGrid::attach(CWnd* dialog, int placeholderId) {
    if (!mSpread.attachToDlgItem(dialog, placeholderId) || !mSpread.setStandardLook(0))
        return false;
    // The rows have no names of their own.
    mSpread.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
    mSpread.setMaxCols(buttonColumn());
    Vdn_StringArray headers;
    Vdn_Array<int> sized;
    Vdn_Array<int> widths;
    for (int col = 1; col <= dataColumns(); ++col) {
        const Column& column = mColumns[static_cast<std::size_t>(col - 1)];
        headers.append(dialString(column.headerText));
        if (column.width > 0) {
            sized.append(col);
            widths.append(column.width);
        }
    }
    headers.append(Vdn_String());
    sized.append(buttonColumn());
    widths.append(kButtonWidth);
    // The hidden row-header column takes the width of a vertical scroll bar, so that the
    // columns still fit beside one when the rows outgrow the sheet.
    sized.append(Vdn_Spread::kHeader);
    widths.append(TSpread::kScrollBarSize + 2);
    mSpread.setColumnNames(headers);
    mSpread.setHeaderFonts();
    mSpread.setSizeColumns(sized, widths);
    mSpread.setSizeMode(5);
    return true;
}

Vdn_String GenVarGrid::cellText(int col, int row) const {
    Vdn_String text;
    mSpread.getCellText(col, row, text, Vdn_Spread::kCellValue);
    return text;
}

int GenVarGrid::currentRow() {
    const int row = mSpread.activeRow();
    return row >= 1 && row <= mSpread.maxRows() ? row : -1;
}

void GenVarGrid::activate(int row) {
    if (row < 1 || row > mSpread.maxRows())
        return;
    // A block left selected would name the active row in its place (activeRow).
    mSpread.sheet().clearSelection();
    mSpread.SSSetActiveCell(1, row);
}

void GenVarGrid::fill(const std::vector<const Vdn_StringArray*>& lists) {
    const int rows = lists.empty() ? 1 : std::max(1, lists.front()->length());
    mSpread.removeAllSpans();
    mSpread.setMaxRows(rows);
    mSpread.clearRows(1, rows);
    for (std::size_t i = 0; i < lists.size() && static_cast<int>(i) < dataColumns(); ++i)
        mSpread.setColumnTexts(static_cast<int>(i) + 1, *lists[i]);
    mSpread.setAllFonts();
    refresh();
}

void GenVarGrid::read(const std::vector<Vdn_StringArray*>& lists) const {
    for (Vdn_StringArray* list : lists)
        *list = Vdn_StringArray();
    const int columns = std::min(dataColumns(), static_cast<int>(lists.size()));
    for (int row = 1; row <= mSpread.maxRows(); ++row) {
        Vdn_StringArray cells;
        bool empty = true;
        for (int col = 1; col <= columns; ++col) {
            cells.append(cellText(col, row));
            empty = empty && cells[col - 1].isEmpty();
        }
        if (empty)
            continue;
        for (int col = 1; col <= columns; ++col)
            lists[static_cast<std::size_t>(col - 1)]->append(cells[col - 1]);
    }
}

void GenVarGrid::refresh() {
    mSpread.removeAllSpans();
    // Values are texts, numbers too: shown as typed, never cut short.
    if (mSpread.maxRows() >= 1)
        mSpread.setEditCells(1, 1, dataColumns(), mSpread.maxRows(), Vdn_Spread::kEditStyle, 0);
    mSpread.mergeEqualCells(1);
    mSpread.setTextButtonColumn(buttonColumn(), L"...");
    mSpread.SSAddCellSpan(filterColumn(), Vdn_Spread::kHeader, 2, 1);
}

void GenVarGrid::addRow() {
    int row = currentRow();
    if (row < 1)
        row = mSpread.maxRows() + 1;
    mSpread.removeAllSpans();
    mSpread.insertRow(row);
    refresh();
    activate(row);
}

void GenVarGrid::removeRow() {
    const int row = currentRow();
    if (row < 1)
        return;
    mSpread.removeAllSpans();
    mSpread.deleteRow(row);
    refresh();
    activate(std::min(row, mSpread.maxRows()));
}

void GenVarGrid::moveUp() {
    mSpread.removeAllSpans();
    mSpread.moveActiveRowUp();
    refresh();
}

void GenVarGrid::moveDown() {
    mSpread.removeAllSpans();
    mSpread.moveActiveRowDown();
    refresh();
}

void GenVarGrid::appendToFilter(const Vdn_StringArray& paths) {
    const int row = currentRow();
    if (row < 1)
        return;
    const Vdn_String filter = cellText(filterColumn(), row);
    const Vdn_String joined = genvars::appendFilterPaths(filter, paths);
    if (joined != filter)
        mSpread.setCellText(filterColumn(), row, joined);
}

void GenVarGrid::cellTyped() {
    int col = 0;
    int row = 0;
    if (!mSpread.SSGetActiveCell(col, row) || col != 1)
        return;
    int anchorCol = 0;
    int anchorRow = 0;
    int spanCols = 0;
    int spanRows = 0;
    if (mSpread.SSGetCellSpan(col, row, anchorCol, anchorRow, spanCols, spanRows) !=
        TSpread::kSpanNo) {
        const Vdn_String name = cellText(anchorCol, anchorRow);
        for (int r = anchorRow; r < anchorRow + spanRows; ++r)
            mSpread.setCellText(1, r, name);
    }
    refresh();
    activate(row);
}
