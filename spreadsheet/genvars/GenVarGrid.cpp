#include "spreadsheet/genvars/GenVarGrid.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/grid/sheet/Sheet.h"
#include "spreadsheet/genvars/GenVarFilter.h"

#include <algorithm>
#include <utility>

GenVarGrid::GenVarGrid(std::vector<Column> columns) : columns_(std::move(columns)) {}

bool GenVarGrid::attach(CWnd* dialog, int placeholderId) {
    if (!spread_.attachToDlgItem(dialog, placeholderId) || !spread_.setStandardLook(0))
        return false;
    // The rows have no names of their own.
    spread_.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
    spread_.setMaxCols(buttonColumn());
    Vdn_StringArray headers;
    Vdn_Array<int> sized;
    Vdn_Array<int> widths;
    for (int col = 1; col <= dataColumns(); ++col) {
        const Column& column = columns_[static_cast<std::size_t>(col - 1)];
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
    spread_.setColumnNames(headers);
    spread_.setHeaderFonts();
    spread_.setSizeColumns(sized, widths);
    spread_.setSizeMode(5);
    return true;
}

Vdn_String GenVarGrid::cellText(int col, int row) const {
    Vdn_String text;
    spread_.getCellText(col, row, text, Vdn_Spread::kCellValue);
    return text;
}

int GenVarGrid::currentRow() {
    const int row = spread_.activeRow();
    return row >= 1 && row <= spread_.maxRows() ? row : -1;
}

void GenVarGrid::activate(int row) {
    if (row < 1 || row > spread_.maxRows())
        return;
    // A block left selected would name the active row in its place (activeRow).
    spread_.sheet().clearSelection();
    spread_.SSSetActiveCell(1, row);
}

void GenVarGrid::fill(const std::vector<const Vdn_StringArray*>& lists) {
    const int rows = lists.empty() ? 1 : std::max(1, lists.front()->length());
    spread_.removeAllSpans();
    spread_.setMaxRows(rows);
    spread_.clearRows(1, rows);
    for (std::size_t i = 0; i < lists.size() && static_cast<int>(i) < dataColumns(); ++i)
        spread_.setColumnTexts(static_cast<int>(i) + 1, *lists[i]);
    spread_.setAllFonts();
    refresh();
}

void GenVarGrid::read(const std::vector<Vdn_StringArray*>& lists) const {
    for (Vdn_StringArray* list : lists)
        *list = Vdn_StringArray();
    const int columns = std::min(dataColumns(), static_cast<int>(lists.size()));
    for (int row = 1; row <= spread_.maxRows(); ++row) {
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
    spread_.removeAllSpans();
    // Values are texts, numbers too: shown as typed, never cut short.
    if (spread_.maxRows() >= 1)
        spread_.setEditCells(1, 1, dataColumns(), spread_.maxRows(), Vdn_Spread::kEditStyle, 0);
    spread_.mergeEqualCells(1);
    spread_.setTextButtonColumn(buttonColumn(), L"...");
    spread_.SSAddCellSpan(filterColumn(), Vdn_Spread::kHeader, 2, 1);
}

void GenVarGrid::addRow() {
    int row = currentRow();
    if (row < 1)
        row = spread_.maxRows() + 1;
    spread_.removeAllSpans();
    spread_.insertRow(row);
    refresh();
    activate(row);
}

void GenVarGrid::removeRow() {
    const int row = currentRow();
    if (row < 1)
        return;
    spread_.removeAllSpans();
    spread_.deleteRow(row);
    refresh();
    activate(std::min(row, spread_.maxRows()));
}

void GenVarGrid::moveUp() {
    spread_.removeAllSpans();
    spread_.moveActiveRowUp();
    refresh();
}

void GenVarGrid::moveDown() {
    spread_.removeAllSpans();
    spread_.moveActiveRowDown();
    refresh();
}

void GenVarGrid::appendToFilter(const Vdn_StringArray& paths) {
    const int row = currentRow();
    if (row < 1)
        return;
    const Vdn_String filter = cellText(filterColumn(), row);
    const Vdn_String joined = genvars::appendFilterPaths(filter, paths);
    if (joined != filter)
        spread_.setCellText(filterColumn(), row, joined);
}

void GenVarGrid::cellTyped() {
    int col = 0;
    int row = 0;
    if (!spread_.SSGetActiveCell(col, row) || col != 1)
        return;
    int anchorCol = 0;
    int anchorRow = 0;
    int spanCols = 0;
    int spanRows = 0;
    if (spread_.SSGetCellSpan(col, row, anchorCol, anchorRow, spanCols, spanRows) !=
        TSpread::kSpanNo) {
        const Vdn_String name = cellText(anchorCol, anchorRow);
        for (int r = anchorRow; r < anchorRow + spanRows; ++r)
            spread_.setCellText(1, r, name);
    }
    refresh();
    activate(row);
}
