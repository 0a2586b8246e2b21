#pragma once
// qtview::SheetView: the widget of a spreadsheet control: a table over its sheet with the
// sheet's column widths, row heights, hidden rows, spans, active cell and cell kinds (combo
// cells edit with a drop-down, check boxes and buttons react to a click through the control).

#include <QTableView>
#include <memory>

namespace ui {
class SpreadsheetControl;
}

namespace qtview {

class DialogMetrics;
class SheetModel;

class SheetView : public QTableView {
public:
    SheetView(ui::SpreadsheetControl& control, QWidget* parent);
    ~SheetView() override;

    // Follows the sheet: contents, sizes, spans and the active cell.
    void refresh(const DialogMetrics& metrics);
    SheetModel& model() const { return *model_; }
    // Where a cell's text is drawn when it is wider than the cell: over the empty cells to its
    // right, as spreadsheets show titles. False when the text fits or cannot overflow.
    bool overflowRect(const QModelIndex& index, QRect& rect) const;
    // A cell editor is open (it keeps Enter and Escape).
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::SpreadsheetControl* control_;
    SheetModel* model_;
    std::size_t spanCount_ = static_cast<std::size_t>(-1);
};

} // namespace qtview
