#include "platform/qt/SheetModel.h"

#include "platform/grid/sheet/CellFormat.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/qt/WidgetPictures.h"
#include "platform/ui/controls/SpreadsheetControl.h"
#include "platform/ui/graphics/CBitmap.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>

namespace qtview {

namespace {

QColor fromColorRef(std::uint32_t colour) {
    // Windows colours are 0x00BBGGRR.
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

grid::CellRef refOf(const QModelIndex& index) {
    return grid::CellRef{index.column() + 1, index.row() + 1};
}

QString columnLetters(int col) {
    QString letters;
    for (int n = col; n > 0; n = (n - 1) / 26) {
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    }
    return letters;
}

} // namespace

SheetModel::SheetModel(ui::SpreadsheetControl& control, QObject* parent)
    : QAbstractTableModel(parent), control_(&control), rows_(control.sheet().maxRows()),
      cols_(control.sheet().maxCols()) {}

int SheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int SheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

namespace {

// The style bit that makes a check-box cell a two-state picture button: it shows the picture
// of its state (its up picture for "0", its down picture for "1") instead of a box.
constexpr std::uint32_t kTwoStateButtonStyle = 0x80000000U;

bool isTwoStateButton(const std::optional<grid::CellFormat>& format) {
    return format && format->type.kind() == grid::CellType::Kind::CheckBox &&
           (format->type.style() & kTwoStateButtonStyle) != 0;
}

// A bitmap resource named by its number; a null picture when there is none.
QPixmap resourcePicture(const std::wstring& number) {
    static QHash<QString, QPixmap> loaded;
    const QString key = QString::fromStdWString(number);
    if (const auto found = loaded.constFind(key); found != loaded.constEnd()) {
        return *found;
    }
    QPixmap pixmap;
    bool isNumber = false;
    const uint id = key.toUInt(&isNumber);
    CBitmap bitmap;
    if (isNumber && bitmap.LoadBitmap(id)) {
        if (const auto picture = bitmap.picture()) {
            pixmap = QPixmap::fromImage(qtview::WidgetPictures::toImage(*picture));
        }
    }
    loaded.insert(key, pixmap);
    return pixmap;
}

} // namespace

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const grid::Sheet& sheet = control_->sheet();
    const grid::CellRef ref = refOf(index);
    const std::optional<grid::CellFormat> format = sheet.format(ref);
    const grid::CellType::Kind kind = format ? format->type.kind() : grid::CellType::Kind::General;
    switch (role) {
    case Qt::DecorationRole:
        if (isTwoStateButton(format)) {
            const bool down =
                sheet.cellText(ref, grid::TextKind::Value).value_or(std::wstring()) == L"1";
            const std::wstring& name = down ? format->type.pictureDown() : format->type.picture();
            if (!name.empty()) {
                return resourcePicture(name);
            }
        }
        return {};
    case Qt::DisplayRole: {
        if (kind == grid::CellType::Kind::CheckBox) {
            return format ? QString::fromStdWString(format->type.text()) : QString();
        }
        if (kind == grid::CellType::Kind::TextButton) {
            const QString caption = QString::fromStdWString(format->type.text());
            if (!caption.isEmpty()) {
                return caption;
            }
        }
        return QString::fromStdWString(
            sheet.cellText(ref, grid::TextKind::Formatted).value_or(std::wstring()));
    }
    case Qt::EditRole: {
        const std::wstring formula =
            sheet.cellText(ref, grid::TextKind::Formula).value_or(std::wstring());
        if (!formula.empty()) {
            return QStringLiteral("=") + QString::fromStdWString(formula);
        }
        return QString::fromStdWString(
            sheet.cellText(ref, grid::TextKind::Formatted).value_or(std::wstring()));
    }
    case Qt::CheckStateRole:
        if (kind == grid::CellType::Kind::CheckBox && !isTwoStateButton(format)) {
            const bool checked =
                sheet.cellText(ref, grid::TextKind::Value).value_or(std::wstring()) == L"1";
            return checked ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    case Qt::FontRole: {
        if (!format) {
            return {};
        }
        QFont font;
        if (!format->font.face.empty()) {
            font.setFamily(QString::fromStdWString(format->font.face));
        }
        if (format->font.height > 0) {
            font.setPixelSize(format->font.height);
        }
        font.setBold(format->font.weight >= 600);
        return font;
    }
    case Qt::BackgroundRole:
        if (format && format->background != grid::CellFormat::kDefaultColour) {
            return QBrush(fromColorRef(format->background));
        }
        if (format && format->locked && kind == grid::CellType::Kind::Static) {
            return QBrush(QColor(0xF0, 0xF0, 0xF0));
        }
        return {};
    case Qt::ForegroundRole:
        if (format && format->foreground != grid::CellFormat::kDefaultColour) {
            return QBrush(fromColorRef(format->foreground));
        }
        return {};
    case Qt::TextAlignmentRole:
        if (kind == grid::CellType::Kind::Number ||
            (kind == grid::CellType::Kind::General && sheet.cellValue(ref) &&
             sheet.cellValue(ref)->isNumber())) {
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (kind == grid::CellType::Kind::TextButton) {
            return QVariant::fromValue(Qt::AlignCenter);
        }
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ToolTipRole: {
        const auto note = sheet.note(ref);
        if (note && !note->empty()) {
            return QString::fromStdWString(*note);
        }
        return {};
    }
    default:
        return {};
    }
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const grid::CellRef ref = orientation == Qt::Horizontal ? grid::CellRef{section + 1, 0}
                                                            : grid::CellRef{0, section + 1};
    // A header joined to the one before it belongs to that one: no text (nor letter) of its own.
    if (const auto span = control_->sheet().spanAt(ref);
        span && (span->first.col != ref.col || span->first.row != ref.row)) {
        return QString();
    }
    const std::wstring text =
        control_->sheet().cellText(ref, grid::TextKind::Formatted).value_or(std::wstring());
    if (!text.empty()) {
        return QString::fromStdWString(text);
    }
    return orientation == Qt::Horizontal ? columnLetters(section + 1)
                                         : QString::number(section + 1);
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const grid::Sheet& sheet = control_->sheet();
    const grid::CellRef ref = refOf(index);
    if (sheet.isLocked(ref)) {
        return flags;
    }
    switch (sheet.cellType(ref).value_or(grid::CellType()).kind()) {
    case grid::CellType::Kind::General:
    case grid::CellType::Kind::Edit:
    case grid::CellType::Kind::Number:
    case grid::CellType::Kind::Combo:
        flags |= Qt::ItemIsEditable;
        break;
    default:
        break;
    }
    return flags;
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString()) {
        return true; // an edit that changed nothing is no change by the user
    }
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    // A combo cell's item is chosen, as a person picks it from the list; other text is typed.
    const int item = comboItems(index).indexOf(text);
    const bool taken = item >= 0 ? control_->userChooseInCell(col, row, item)
                                 : control_->userTypeInCell(col, row, text.toStdWString());
    // The control may have changed any cell (formulas depend on the one typed into).
    refresh();
    return taken;
}

void SheetModel::refresh() {
    const grid::Sheet& sheet = control_->sheet();
    if (sheet.maxRows() != rows_ || sheet.maxCols() != cols_) {
        beginResetModel();
        rows_ = sheet.maxRows();
        cols_ = sheet.maxCols();
        endResetModel();
        return;
    }
    if (rows_ > 0 && cols_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    }
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, cols_ - 1));
    emit headerDataChanged(Qt::Vertical, 0, std::max(0, rows_ - 1));
}

QStringList SheetModel::comboItems(const QModelIndex& index) const {
    QStringList items;
    const auto type = control_->sheet().cellType(refOf(index));
    if (type && type->kind() == grid::CellType::Kind::Combo) {
        for (const std::wstring& item : type->items()) {
            items << QString::fromStdWString(item);
        }
    }
    return items;
}

bool SheetModel::isButtonCell(const QModelIndex& index) const {
    const auto type = control_->sheet().cellType(refOf(index));
    return type && (type->kind() == grid::CellType::Kind::TextButton ||
                    type->kind() == grid::CellType::Kind::PictureButton);
}

} // namespace qtview
