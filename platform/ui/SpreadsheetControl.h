#pragma once
// ui::SpreadsheetControl: what a renderer needs of the spreadsheet control window: the sheet to
// draw and the user's input on its cells. The control itself lives above the window system
// (it wraps the grid engine); a renderer finds it among the windows through this interface.

#include <string>

namespace grid {
class Sheet;
}

namespace ui {

class SpreadsheetControl {
public:
    virtual ~SpreadsheetControl() = default;

    virtual const grid::Sheet& sheet() const = 0;
    // The user makes the cell active and types text over its content; false when the cell
    // refuses it (locked, a type that takes no text, a value outside its range).
    virtual bool userType(int col, int row, const std::wstring& text) = 0;
    // The user clicks the cell (check boxes toggle, buttons press).
    virtual bool userClick(int col, int row) = 0;
};

} // namespace ui
