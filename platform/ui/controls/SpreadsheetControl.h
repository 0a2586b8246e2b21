#pragma once
// ui::SpreadsheetControl: what a renderer needs of the spreadsheet control window: the sheet to
// draw, and the cell actions a person takes on it. The control itself lives above the window
// system (it wraps the grid engine); a renderer finds it among the windows through this
// interface.

#include "platform/ui/controls/CellInput.h"

namespace grid {
class Sheet;
}

namespace ui {

class SpreadsheetControl : public CellInput {
public:
    virtual const grid::Sheet& sheet() const = 0;
};

} // namespace ui
