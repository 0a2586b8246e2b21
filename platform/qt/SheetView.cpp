#include "platform/qt/SheetView.h"

#include "platform/grid/sheet/Sheet.h"
#include "platform/grid/sheet/SheetOption.h"
#include "platform/qt/DialogMetrics.h"
#include "platform/qt/SheetModel.h"
#include "platform/ui/controls/SpreadsheetControl.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace qtview {

namespace {

// Rows beyond this many keep the default height and are never hidden one by one: a big sheet
// must not cost a pass over every row at each change.
constexpr int kRowsSizedOneByOne = 5000;

constexpr int kTextMargin = 3;

class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(const SheetModel& model, const SheetView& view)
        : QStyledItemDelegate(nullptr), model_(&model), view_(&view) {}

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
            QRect wide;
            if (view_->overflowRect(index, wide)) {
                // The text is drawn over the neighbours once the grid is drawn.
                QStyleOptionViewItem plain(option);
                initStyleOption(&plain, index);
                plain.text.clear();
                QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter,
                                                   plain.widget);
                return;
            }
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
    const SheetView* view_;
};

} // namespace

SheetView::SheetView(ui::SpreadsheetControl& control, QWidget* parent)
    : QTableView(parent), control_(&control), model_(new SheetModel(control, this)) {
    setModel(model_);
    auto* delegate = new CellDelegate(*model_, *this);
    delegate->setParent(this);
    setItemDelegate(delegate);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setWordWrap(false);
}

SheetView::~SheetView() = default;

bool SheetView::overflowRect(const QModelIndex& index, QRect& rect) const {
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    if (alignment.isValid() && (alignment.value<Qt::Alignment>() & Qt::AlignRight)) {
        return false;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty() || index.data(Qt::CheckStateRole).isValid() ||
        columnSpan(index.row(), index.column()) > 1 || rowSpan(index.row(), index.column()) > 1) {
        return false;
    }
    const QVariant fontData = index.data(Qt::FontRole);
    const QFont font = fontData.isValid() ? fontData.value<QFont>() : this->font();
    const int needed = QFontMetrics(font).horizontalAdvance(text) + 2 * kTextMargin;
    rect = visualRect(index);
    if (needed <= rect.width()) {
        return false;
    }
    for (int col = index.column() + 1; col < model_->columnCount() && rect.width() < needed;
         ++col) {
        if (isColumnHidden(col)) {
            continue;
        }
        const QModelIndex next = model_->index(index.row(), col);
        if (!next.data(Qt::DisplayRole).toString().isEmpty() || columnSpan(index.row(), col) > 1 ||
            next.data(Qt::BackgroundRole).isValid()) {
            break;
        }
        rect.setRight(rect.right() + columnWidth(col));
    }
    return rect.width() > visualRect(index).width();
}

void SheetView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    const int firstRow = rowAt(0);
    const int firstCol = columnAt(0);
    if (firstRow < 0 || firstCol < 0) {
        return;
    }
    int lastRow = rowAt(viewport()->height() - 1);
    int lastCol = columnAt(viewport()->width() - 1);
    lastRow = lastRow < 0 ? model_->rowCount() - 1 : lastRow;
    lastCol = lastCol < 0 ? model_->columnCount() - 1 : lastCol;
    QPainter painter(viewport());
    // Texts that start left of the view may reach into it.
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = 0; col <= lastCol; ++col) {
            const QModelIndex index = model_->index(row, col);
            QRect wide;
            if (isRowHidden(row) || isColumnHidden(col) || !overflowRect(index, wide)) {
                continue;
            }
            const QRect own = visualRect(index);
            // The neighbours' grid lines do not cross the text.
            painter.fillRect(
                QRect(own.right() + 1, own.top(), wide.right() - own.right(), own.height() - 1),
                palette().base());
            const QVariant fontData = index.data(Qt::FontRole);
            painter.setFont(fontData.isValid() ? fontData.value<QFont>() : font());
            const QVariant foreground = index.data(Qt::ForegroundRole);
            painter.setPen(foreground.isValid() ? foreground.value<QBrush>().color()
                                                : palette().color(QPalette::Text));
            painter.drawText(wide.adjusted(kTextMargin, 0, -kTextMargin, 0),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             index.data(Qt::DisplayRole).toString());
        }
    }
}

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
    verticalHeader()->setDefaultSectionSize(
        metrics.y(sheet.rowHeight(1) > 0 ? sheet.rowHeight(1) : 17));
    if (rows <= kRowsSizedOneByOne) {
        for (int row = 1; row <= rows; ++row) {
            setRowHidden(row - 1, sheet.isRowHidden(row));
            const int height = sheet.rowHeight(row);
            if (height > 0) {
                setRowHeight(row - 1, metrics.y(height));
            }
        }
    }
    // The control's options show or hide the column-header row and the row-header column.
    horizontalHeader()->setVisible(sheet.option(grid::SheetOption::kColumnHeaders));
    verticalHeader()->setVisible(sheet.option(grid::SheetOption::kRowHeaders));
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
        if (index.isValid() && currentIndex() != index &&
            state() != QAbstractItemView::EditingState) {
            setCurrentIndex(index);
        }
    }
}

} // namespace qtview
