#pragma once
// qtview::SheetModel: a spreadsheet control's sheet as a Qt table model. It only reads the sheet;
// a cell a person edits goes back through the control's user input (userType), so the control
// notifies its dialog exactly as it does for the scripted user.

#include <QAbstractTableModel>

namespace ui {
class SpreadsheetControl;
}

namespace qtview {

class SheetModel : public QAbstractTableModel {
public:
    explicit SheetModel(ui::SpreadsheetControl& control, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Follows the sheet after a change: a reset when its size changed, else a repaint.
    void refresh();
    // The items of a combo cell, empty for other cells.
    QStringList comboItems(const QModelIndex& index) const;
    bool isButtonCell(const QModelIndex& index) const;

private:
    ui::SpreadsheetControl* control_;
    int rows_ = 0;
    int cols_ = 0;
};

} // namespace qtview
