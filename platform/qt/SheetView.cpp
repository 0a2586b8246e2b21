#include "platform/qt/SheetView.h"

#include "platform/grid/Sheet.h"
#include "platform/qt/DialogMetrics.h"
#include "platform/qt/SheetModel.h"
#include "platform/ui/SpreadsheetControl.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace qtview {

namespace {

// Rows beyond this many keep the default height and are never hidden one by one: a big sheet
// must not cost a pass over every row at each change.
constexpr int kRowsSizedOneByOne = 5000;

class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(const SheetModel& model, QObject* parent)
        : QStyledItemDelegate(parent), model_(&model) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const QStringList items = model_->comboItems(index);
        if (items.isEmpty()) {
            return QStyledItemDelegate::createEditor(parent, option, index);
        }
        auto* combo = new QComboBox(parent);
        combo->addItems(items);
        return combo;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->setCurrentText(index.data(Qt::EditRole).toString());
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, combo->currentText(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!model_->isButtonCell(index)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionButton button;
        button.rect = option.rect.adjusted(1, 1, -1, -1);
        button.text = index.data(Qt::DisplayRole).toString();
        button.state = QStyle::State_Enabled | QStyle::State_Raised;
        QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter);
    }

private:
    const SheetModel* model_;
};

} // namespace

SheetView::SheetView(ui::SpreadsheetControl& control, QWidget* parent)
    : QTableView(parent), control_(&control), model_(new SheetModel(control, this)) {
    setModel(model_);
    setItemDelegate(new CellDelegate(*model_, this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setWordWrap(false);
}

SheetView::~SheetView() = default;

void SheetView::refresh(const DialogMetrics& metrics) {
    const grid::Sheet& sheet = control_->sheet();
    model_->refresh();
    const int rows = sheet.maxRows();
    const int cols = sheet.maxCols();
    for (int col = 1; col <= cols; ++col) {
        const int width = sheet.columnWidth(col);
        if (width > 0) {
            setColumnWidth(col - 1, metrics.x(width));
        }
    }
    verticalHeader()->setDefaultSectionSize(metrics.y(sheet.rowHeight(1) > 0 ? sheet.rowHeight(1) : 17));
    if (rows <= kRowsSizedOneByOne) {
        for (int row = 1; row <= rows; ++row) {
            setRowHidden(row - 1, sheet.isRowHidden(row));
            const int height = sheet.rowHeight(row);
            if (height > 0) {
                setRowHeight(row - 1, metrics.y(height));
            }
        }
    }
    // The header column and row have sizes of their own in the sheet (column 0, row 0).
    if (const int headerWidth = sheet.columnWidth(0); headerWidth > 0) {
        verticalHeader()->setFixedWidth(metrics.x(headerWidth));
    }
    if (const int headerHeight = sheet.rowHeight(0); headerHeight > 0) {
        horizontalHeader()->setFixedHeight(metrics.y(headerHeight));
    }
    const auto& spans = sheet.spans();
    if (spans.size() != spanCount_) {
        clearSpans();
        for (const grid::CellRange& span : spans) {
            if (span.first.col >= 1 && span.first.row >= 1) {
                setSpan(span.first.row - 1, span.first.col - 1, span.last.row - span.first.row + 1,
                        span.last.col - span.first.col + 1);
            }
        }
        spanCount_ = spans.size();
    }
    if (const auto active = sheet.activeCell(); active && active->col >= 1 && active->row >= 1) {
        const QModelIndex index = model_->index(active->row - 1, active->col - 1);
        if (index.isValid() && currentIndex() != index && state() != QAbstractItemView::EditingState) {
            setCurrentIndex(index);
        }
    }
}

} // namespace qtview
