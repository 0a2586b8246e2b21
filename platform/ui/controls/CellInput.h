#pragma once
// ui::CellInput: a control made of cells (the spreadsheet control), as a user acts on it.
// Columns and rows count from 1. Each action notifies as the control does for a real user and
// returns false when the cell cannot take it (outside the sheet, hidden, locked, or of a kind
// that does not take the action).

#include <string>

namespace ui {

class CellInput {
public:
    virtual ~CellInput() = default;

    // A click: the cell becomes active; a button cell is pressed, a check-box cell toggles.
    virtual bool userClickCell(int col, int row, unsigned modifiers) = 0;
    virtual bool userDoubleClickCell(int col, int row) = 0;
    virtual bool userRightClickCell(int col, int row) = 0;
    // A click on the column header.
    virtual bool userClickHeader(int col) = 0;
    // Typing over the cell's content (the cell becomes active first).
    virtual bool userTypeInCell(int col, int row, const std::wstring& text) = 0;
    // Choosing item `index` of a combo-box cell.
    virtual bool userChooseInCell(int col, int row, int index) = 0;
};

} // namespace ui
