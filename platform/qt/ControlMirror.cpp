#include "platform/qt/ControlMirror.h"

#include "platform/core/text/TextCodec.h"
#include "platform/qt/DialogMetrics.h"
#include "platform/qt/PersonInput.h"
#include "platform/qt/SheetView.h"
#include "platform/qt/SurfaceWidget.h"
#include "platform/qt/TabFrame.h"
#include "platform/qt/WidgetPictures.h"
#include "platform/ui/controls/CBitmapPickerCombo.h"
#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CButtonST.h"
#include "platform/ui/controls/CCheckComboBox.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CEdit.h"
#include "platform/ui/controls/CImageListCtrl.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/controls/CTabCtrl.h"
#include "platform/ui/controls/CToolTipCtrl.h"
#include "platform/ui/controls/SpreadsheetControl.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/graphics/BitmapTable.h"
#include "platform/ui/graphics/WindowPainter.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/windows/WinConstants.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <cstdio>
#include <set>
#include <typeinfo>

namespace qtview {

namespace {

QString qt(const std::wstring& text) {
    return QString::fromStdWString(text);
}

// A static's text as Win32 shows it: "&&" is an ampersand, a single '&' only underlines.
QString withoutMnemonics(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += text[i];
    }
    return shown;
}

void reportUnknownClass(const std::wstring& className) {
    static std::set<std::wstring> reported;
    if (reported.insert(className).second) {
        std::fprintf(stderr, "view: no widget for window class \"%s\"; shown as a placeholder\n",
                     core::TextCodec::encodeUtf8(className).c_str());
    }
}

QColor fromColorRef(COLORREF colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

template <typename W> W* as(QWidget* widget) {
    return static_cast<W*>(widget);
}

// Sets a property only when it differs, so that a person's cursor and scroll position survive
// the many syncs that change nothing.
void setTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
    }
}

unsigned modifiersNow() {
    unsigned bits = ui::NoModifier;
    const Qt::KeyboardModifiers held = QApplication::keyboardModifiers();
    if (held & Qt::ShiftModifier) {
        bits |= ui::Shift;
    }
    if (held & Qt::ControlModifier) {
        bits |= ui::Control;
    }
    return bits;
}

} // namespace

ControlMirror::Kind ControlMirror::kindOf(CWnd& window) {
    if (dynamic_cast<ui::SpreadsheetControl*>(&window) != nullptr) {
        return Kind::Sheet;
    }
    if (auto* button = dynamic_cast<CButton*>(&window)) {
        if (button->isGroupBox()) {
            return Kind::GroupBox;
        }
        if (button->isRadioButton()) {
            return Kind::RadioButton;
        }
        if (button->isCheckBox()) {
            // A push-like check box looks like a button that stays pressed.
            return (button->GetStyle() & BS_PUSHLIKE) ? Kind::PushButton : Kind::CheckBox;
        }
        return Kind::PushButton;
    }
    if (auto* edit = dynamic_cast<CEdit*>(&window)) {
        return edit->isMultiLine() ? Kind::TextEdit : Kind::LineEdit;
    }
    if (dynamic_cast<CCheckComboBox*>(&window) != nullptr) {
        return Kind::CheckCombo;
    }
    if (dynamic_cast<CComboBox*>(&window) != nullptr) {
        return Kind::Combo;
    }
    if (dynamic_cast<CImageListCtrl*>(&window) != nullptr) {
        return Kind::Thumbnails;
    }
    if (dynamic_cast<CListBox*>(&window) != nullptr) {
        return Kind::List;
    }
    if (dynamic_cast<CTabCtrl*>(&window) != nullptr) {
        return Kind::Tabs;
    }
    if (dynamic_cast<CStatic*>(&window) != nullptr || window.className() == L"Static") {
        switch (window.GetStyle() & SS_TYPEMASK) {
        case SS_BITMAP:
        case SS_ICON:
            return Kind::Picture;
        case SS_BLACKRECT:
        case SS_GRAYRECT:
        case SS_WHITERECT:
        case SS_BLACKFRAME:
        case SS_GRAYFRAME:
        case SS_WHITEFRAME:
        case SS_ETCHEDHORZ:
        case SS_ETCHEDVERT:
        case SS_ETCHEDFRAME:
            return Kind::Frame;
        default:
            return Kind::Label;
        }
    }
    if (dynamic_cast<CDialog*>(&window) != nullptr || window.className().empty() ||
        window.className() == L"#32770") {
        return Kind::Container;
    }
    // A class of its own draws itself; a plain window of an unknown class has nothing to show.
    return typeid(window) == typeid(CWnd) ? Kind::Placeholder : Kind::Painted;
}

ControlMirror::ControlMirror(CWnd& window, QWidget& parent)
    : window_(&window), kind_(kindOf(window)) {
    QWidget* made = nullptr;
    switch (kind_) {
    case Kind::Container:
    case Kind::Painted:
        made = new SurfaceWidget(window, &parent);
        break;
    case Kind::Label:
    case Kind::Picture:
        made = new QLabel(&parent);
        break;
    case Kind::Frame:
        made = new QFrame(&parent);
        break;
    case Kind::PushButton:
        made = new QPushButton(&parent);
        made->setFocusPolicy(Qt::StrongFocus);
        break;
    case Kind::CheckBox:
        made = new QCheckBox(&parent);
        break;
    case Kind::RadioButton: {
        auto* radio = new QRadioButton(&parent);
        radio->setAutoExclusive(false); // the tree groups radios itself
        made = radio;
        break;
    }
    case Kind::GroupBox:
        made = new QGroupBox(&parent);
        // A group box only frames its neighbours: clicks go through to the controls inside.
        made->setAttribute(Qt::WA_TransparentForMouseEvents);
        break;
    case Kind::LineEdit:
        made = new QLineEdit(&parent);
        break;
    case Kind::TextEdit:
        made = new QPlainTextEdit(&parent);
        break;
    case Kind::Combo:
        made = new QComboBox(&parent);
        break;
    case Kind::CheckCombo: {
        auto* combo = new QComboBox(&parent);
        // The box shows the ticked texts; the list ticks and unticks.
        combo->setEditable(true);
        combo->lineEdit()->setReadOnly(true);
        made = combo;
        break;
    }
    case Kind::List:
        made = new QListWidget(&parent);
        break;
    case Kind::Thumbnails: {
        auto* list = new QListWidget(&parent);
        list->setViewMode(QListView::IconMode);
        list->setIconSize(QSize(CImageListCtrl::kThumbnailSize, CImageListCtrl::kThumbnailSize));
        list->setResizeMode(QListView::Adjust);
        list->setMovement(QListView::Static);
        list->setWordWrap(true);
        made = list;
        break;
    }
    case Kind::Tabs:
        made = new TabFrame(&parent);
        break;
    case Kind::Sheet:
        made = new SheetView(*dynamic_cast<ui::SpreadsheetControl*>(&window), &parent);
        break;
    case Kind::Placeholder: {
        reportUnknownClass(window.className());
        auto* label = new QLabel(&parent);
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: #806000; background: #fff8e0;"));
        label->setText(QStringLiteral("[%1]").arg(qt(window.className())));
        made = label;
        break;
    }
    }
    widget_ = made;
    widget_->setObjectName(QStringLiteral("ctl%1").arg(window.GetDlgCtrlID()));
    if (kind_ == Kind::GroupBox || kind_ == Kind::Frame) {
        widget_->lower();
    }
    connectInput();
}

ControlMirror::~ControlMirror() {
    if (widget_) {
        // The widget may be the sender of the signal whose handler destroyed the window.
        widget_->hide();
        widget_->deleteLater();
    }
}

void ControlMirror::connectInput() {
    CWnd* const window = window_;
    QWidget* const widget = widget_;
    // The right button belongs to the tree (its controls and dialogs show their own menus);
    // edits keep the toolkit's cut-and-paste menu, which the tree has no counterpart of.
    if (kind_ != Kind::LineEdit && kind_ != Kind::TextEdit && kind_ != Kind::Combo &&
        kind_ != Kind::GroupBox && kind_ != Kind::Sheet && kind_ != Kind::Container &&
        kind_ != Kind::Painted) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(widget, &QWidget::customContextMenuRequested, widget,
                         [window](const QPoint&) { PersonInput::rightClick(*window); });
    }
    switch (kind_) {
    case Kind::PushButton:
    case Kind::CheckBox:
    case Kind::RadioButton:
        QObject::connect(as<QAbstractButton>(widget), &QAbstractButton::clicked, widget,
                         [window] { PersonInput::click(*window); });
        break;
    case Kind::LineEdit:
        QObject::connect(
            as<QLineEdit>(widget), &QLineEdit::textEdited, widget,
            [window](const QString& text) { PersonInput::editText(*window, text.toStdWString()); });
        break;
    case Kind::TextEdit: {
        auto* edit = as<QPlainTextEdit>(widget);
        QObject::connect(edit, &QPlainTextEdit::textChanged, widget, [window, edit] {
            // Only a person's typing: code-made changes are written with signals blocked.
            PersonInput::editText(
                *window, edit->toPlainText().replace(u'\n', QStringLiteral("\r\n")).toStdWString());
        });
        break;
    }
    case Kind::Combo: {
        auto* combo = as<QComboBox>(widget);
        QObject::connect(combo, &QComboBox::activated, widget,
                         [window](int index) { PersonInput::selectComboItem(*window, index); });
        break;
    }
    case Kind::CheckCombo:
        QObject::connect(as<QComboBox>(widget), &QComboBox::activated, widget,
                         [window](int index) { PersonInput::toggleComboCheck(*window, index); });
        break;
    case Kind::Thumbnails: {
        auto* list = as<QListWidget>(widget);
        QObject::connect(list, &QListWidget::itemPressed, widget,
                         [window, list](QListWidgetItem* item) {
                             PersonInput::selectImage(*window, list->row(item), false);
                         });
        QObject::connect(list, &QListWidget::itemDoubleClicked, widget,
                         [window, list](QListWidgetItem* item) {
                             PersonInput::selectImage(*window, list->row(item), true);
                         });
        break;
    }
    case Kind::List: {
        auto* list = as<QListWidget>(widget);
        QObject::connect(list, &QListWidget::itemPressed, widget,
                         [window, list](QListWidgetItem* item) {
                             PersonInput::selectListItem(*window, list->row(item), modifiersNow());
                         });
        QObject::connect(list, &QListWidget::itemDoubleClicked, widget,
                         [window, list](QListWidgetItem* item) {
                             PersonInput::doubleClickListItem(*window, list->row(item));
                         });
        break;
    }
    case Kind::Tabs:
        QObject::connect(as<TabFrame>(widget)->tabBar(), &QTabBar::tabBarClicked, widget,
                         [window](int index) {
                             if (index >= 0) {
                                 PersonInput::selectTab(*window, index);
                             }
                         });
        break;
    case Kind::Sheet: {
        auto* sheet = as<SheetView>(widget);
        auto* control = dynamic_cast<ui::SpreadsheetControl*>(window);
        QObject::connect(sheet, &QAbstractItemView::clicked, widget,
                         [window, control](const QModelIndex& index) {
                             if (PersonInput::isAlive(window)) {
                                 control->userClickCell(index.column() + 1, index.row() + 1,
                                                        modifiersNow());
                             }
                         });
        QObject::connect(sheet, &QAbstractItemView::doubleClicked, widget,
                         [window, control](const QModelIndex& index) {
                             if (PersonInput::isAlive(window)) {
                                 control->userDoubleClickCell(index.column() + 1, index.row() + 1);
                             }
                         });
        QObject::connect(sheet->horizontalHeader(), &QHeaderView::sectionClicked, widget,
                         [window, control](int section) {
                             if (PersonInput::isAlive(window)) {
                                 control->userClickHeader(section + 1);
                             }
                         });
        sheet->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(sheet, &QWidget::customContextMenuRequested, widget,
                         [window, control, sheet](const QPoint& point) {
                             const QModelIndex index = sheet->indexAt(point);
                             if (!PersonInput::isAlive(window)) {
                                 return;
                             }
                             if (index.isValid()) {
                                 control->userRightClickCell(index.column() + 1, index.row() + 1);
                             } else {
                                 PersonInput::rightClick(*window);
                             }
                         });
        break;
    }
    default:
        break;
    }
}

QPoint ControlMirror::childOrigin(const DialogMetrics& metrics) const {
    CRect windowRect;
    window_->GetWindowRect(&windowRect);
    CPoint client(0, 0);
    window_->ClientToScreen(&client);
    return QPoint(metrics.x(client.x - windowRect.left), metrics.y(client.y - windowRect.top));
}

void ControlMirror::sync(const DialogMetrics& metrics, QPoint origin) {
    if (!widget_) {
        return;
    }
    CRect rect;
    window_->GetWindowRect(&rect);
    window_->GetParent()->ScreenToClient(&rect);
    QRect geometry = metrics.rect(rect).translated(origin);
    if (kind_ == Kind::Combo || kind_ == Kind::CheckCombo) {
        // A combo's rectangle includes its dropped-down list; the closed box is one line high.
        auto* combo = as<QComboBox>(widget_.data());
        if (combo->isEditable() || (window_->GetStyle() & 0x3) != CBS_SIMPLE) {
            geometry.setHeight(std::min(geometry.height(), combo->sizeHint().height()));
        }
    }
    if (widget_->geometry() != geometry) {
        widget_->setGeometry(geometry);
    }
    const bool visible = (window_->GetStyle() & WS_VISIBLE) != 0;
    if (widget_->isVisibleTo(widget_->parentWidget()) != visible) {
        widget_->setVisible(visible);
    }
    const bool enabled = (window_->GetStyle() & WS_DISABLED) == 0;
    if (widget_->isEnabled() != enabled) {
        widget_->setEnabled(enabled);
    }
    if (const CFont* font = window_->GetFont()) {
        const bool bold = font->weight() >= 600;
        if (widget_->font().bold() != bold) {
            QFont f = widget_->font();
            f.setBold(bold);
            widget_->setFont(f);
        }
    }
    const QString tip = qt(CToolTipCtrl::textFor(window_));
    if (widget_->toolTip() != tip) {
        widget_->setToolTip(tip);
    }
    const QSignalBlocker quiet(widget_.data());
    syncState(metrics);
}

void ControlMirror::syncState(const DialogMetrics& metrics) {
    const QString text = qt(window_->GetWindowText());
    const DWORD style = window_->GetStyle();
    switch (kind_) {
    case Kind::Container:
    case Kind::Painted: {
        auto* surface = as<SurfaceWidget>(widget_.data());
        surface->surface().setMetrics(&metrics);
        if (surface->surface().refresh()) {
            surface->update();
        }
        break;
    }
    case Kind::Label: {
        auto* label = as<QLabel>(widget_.data());
        const QString shown = (style & SS_NOPREFIX) ? text : withoutMnemonics(text);
        if (label->text() != shown) {
            label->setText(shown);
        }
        Qt::Alignment align = Qt::AlignTop;
        switch (style & SS_TYPEMASK) {
        case SS_CENTER:
            align |= Qt::AlignHCenter;
            break;
        case SS_RIGHT:
            align |= Qt::AlignRight;
            break;
        default:
            align |= Qt::AlignLeft;
            break;
        }
        if (style & SS_CENTERIMAGE) {
            align = (align & ~Qt::AlignTop) | Qt::AlignVCenter;
        }
        label->setAlignment(align);
        const DWORD type = style & SS_TYPEMASK;
        label->setWordWrap(type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE);
        label->setFrameShape((style & SS_SUNKEN) ? QFrame::Panel : QFrame::NoFrame);
        label->setFrameShadow(QFrame::Sunken);
        // The colours the dialog answers for its statics; a hollow brush lets a picture behind
        // the dialog show through.
        const ui::WindowPainter::StaticColours colours = ui::WindowPainter::staticColours(*window_);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, fromColorRef(colours.text));
        label->setAutoFillBackground(!colours.transparentBackground && !colours.transparentText);
        palette.setColor(QPalette::Window, fromColorRef(colours.background));
        label->setPalette(palette);
        break;
    }
    case Kind::Picture: {
        auto* label = as<QLabel>(widget_.data());
        const QPixmap picture = WidgetPictures::ofWindow(*window_);
        if (picture.cacheKey() != label->pixmap().cacheKey()) {
            label->setPixmap(picture);
        }
        label->setAlignment((style & SS_CENTERIMAGE) ? Qt::AlignCenter
                                                     : (Qt::AlignLeft | Qt::AlignTop));
        break;
    }
    case Kind::Frame: {
        auto* frame = as<QFrame>(widget_.data());
        switch (style & SS_TYPEMASK) {
        case SS_ETCHEDHORZ:
            frame->setFrameShape(QFrame::HLine);
            frame->setFrameShadow(QFrame::Sunken);
            break;
        case SS_ETCHEDVERT:
            frame->setFrameShape(QFrame::VLine);
            frame->setFrameShadow(QFrame::Sunken);
            break;
        case SS_BLACKRECT:
        case SS_GRAYRECT:
        case SS_WHITERECT: {
            const DWORD type = style & SS_TYPEMASK;
            frame->setAutoFillBackground(true);
            QPalette palette = frame->palette();
            palette.setColor(QPalette::Window, type == SS_BLACKRECT  ? Qt::black
                                               : type == SS_GRAYRECT ? Qt::gray
                                                                     : Qt::white);
            frame->setPalette(palette);
            break;
        }
        default:
            frame->setFrameShape(QFrame::Box);
            frame->setFrameShadow((style & SS_TYPEMASK) == SS_ETCHEDFRAME ? QFrame::Sunken
                                                                          : QFrame::Plain);
            break;
        }
        break;
    }
    case Kind::PushButton: {
        auto* button = as<QPushButton>(widget_.data());
        // An icon or bitmap button shows its picture instead of its text, as in Win32.
        const bool pictureOnly =
            (style & (BS_ICON | BS_BITMAP)) != 0 && !WidgetPictures::ofWindow(*window_).isNull();
        const QString caption = pictureOnly ? QString() : text;
        if (button->text() != caption) {
            button->setText(caption);
        }
        const auto* tree = dynamic_cast<CButton*>(window_);
        button->setDefault(tree->GetButtonStyle() == BS_DEFPUSHBUTTON);
        button->setCheckable(tree->isCheckBox());
        if (tree->isCheckBox()) {
            button->setChecked(tree->GetCheck() == BST_CHECKED);
        }
        QPixmap picture = WidgetPictures::ofWindow(*window_);
        if (const auto* imageButton = dynamic_cast<const CButtonST*>(window_)) {
            if (const auto shown = imageButton->picture()) {
                picture = QPixmap::fromImage(WidgetPictures::toImage(*shown));
            }
        }
        if (!picture.isNull() &&
            button->icon().pixmap(picture.size()).toImage() != picture.toImage()) {
            button->setIcon(QIcon(picture));
            button->setIconSize(picture.size());
        }
        break;
    }
    case Kind::CheckBox: {
        auto* box = as<QCheckBox>(widget_.data());
        const auto* tree = dynamic_cast<CButton*>(window_);
        if (box->text() != text) {
            box->setText(text);
        }
        const UINT type = tree->GetButtonStyle();
        box->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
        box->setCheckState(tree->GetCheck() == BST_CHECKED         ? Qt::Checked
                           : tree->GetCheck() == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                                   : Qt::Unchecked);
        break;
    }
    case Kind::RadioButton: {
        auto* radio = as<QRadioButton>(widget_.data());
        if (radio->text() != text) {
            radio->setText(text);
        }
        radio->setChecked(dynamic_cast<CButton*>(window_)->GetCheck() == BST_CHECKED);
        break;
    }
    case Kind::GroupBox: {
        auto* group = as<QGroupBox>(widget_.data());
        if (group->title() != text) {
            group->setTitle(text);
        }
        break;
    }
    case Kind::LineEdit: {
        auto* edit = as<QLineEdit>(widget_.data());
        auto* tree = dynamic_cast<CEdit*>(window_);
        setTextIfChanged(edit, text);
        edit->setReadOnly((style & ES_READONLY) != 0);
        edit->setEchoMode((style & ES_PASSWORD) ? QLineEdit::Password : QLineEdit::Normal);
        edit->setAlignment((style & ES_RIGHT)    ? Qt::AlignRight
                           : (style & ES_CENTER) ? Qt::AlignHCenter
                                                 : Qt::AlignLeft);
        const UINT limit = tree->GetLimitText();
        edit->setMaxLength(limit > 0 && limit < 32767 ? static_cast<int>(limit) : 32767);
        edit->setFrame((style & WS_BORDER) != 0 || (window_->GetExStyle() & WS_EX_CLIENTEDGE) != 0);
        break;
    }
    case Kind::TextEdit: {
        auto* edit = as<QPlainTextEdit>(widget_.data());
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (edit->toPlainText() != shown) {
            edit->setPlainText(shown);
        }
        edit->setReadOnly((style & ES_READONLY) != 0);
        break;
    }
    case Kind::Combo: {
        auto* combo = as<QComboBox>(widget_.data());
        auto* tree = dynamic_cast<CComboBox*>(window_);
        const bool editable = tree->hasEdit();
        if (combo->isEditable() != editable) {
            combo->setEditable(editable);
            if (editable) {
                CWnd* const window = window_;
                QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                                 [window](const QString& typed) {
                                     PersonInput::typeInCombo(*window, typed.toStdWString());
                                 });
            }
        }
        bool same = combo->count() == tree->GetCount();
        for (int i = 0; same && i < tree->GetCount(); ++i) {
            same = combo->itemText(i) == qt(tree->GetLBText(i));
        }
        if (!same) {
            combo->clear();
            const auto* picker = dynamic_cast<const CBitmapPickerCombo*>(tree);
            for (int i = 0; i < tree->GetCount(); ++i) {
                const auto picture = picker ? ui::BitmapTable::find(picker->bitmapOf(i)) : nullptr;
                if (picture) {
                    combo->addItem(QIcon(QPixmap::fromImage(WidgetPictures::toImage(*picture))),
                                   qt(tree->GetLBText(i)));
                } else {
                    combo->addItem(qt(tree->GetLBText(i)));
                }
            }
        }
        if (combo->currentIndex() != tree->GetCurSel()) {
            combo->setCurrentIndex(tree->GetCurSel());
        }
        if (editable) {
            setTextIfChanged(combo->lineEdit(), qt(tree->GetWindowText()));
        }
        break;
    }
    case Kind::CheckCombo: {
        auto* combo = as<QComboBox>(widget_.data());
        auto* tree = dynamic_cast<CCheckComboBox*>(window_);
        auto* model = qobject_cast<QStandardItemModel*>(combo->model());
        if (combo->count() != tree->GetCount()) {
            combo->clear();
            for (int i = 0; i < tree->GetCount(); ++i) {
                combo->addItem(qt(tree->GetLBText(i)));
            }
        }
        for (int i = 0; model != nullptr && i < tree->GetCount(); ++i) {
            QStandardItem* item = model->item(i);
            item->setText(qt(tree->GetLBText(i)));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setData(tree->GetCheck(i) == 1 ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        }
        combo->setCurrentIndex(-1);
        setTextIfChanged(combo->lineEdit(), qt(tree->checkedText()));
        break;
    }
    case Kind::Thumbnails: {
        auto* list = as<QListWidget>(widget_.data());
        auto* tree = dynamic_cast<CImageListCtrl*>(window_);
        const auto& images = tree->images();
        bool same = list->count() == static_cast<int>(images.size());
        for (int i = 0; same && i < list->count(); ++i) {
            same = list->item(i)->text() == qt(images[static_cast<std::size_t>(i)].name) &&
                   list->item(i)->data(Qt::UserRole).toBool() ==
                       (tree->imageList().picture(i) != nullptr);
        }
        if (!same) {
            list->clear();
            for (int i = 0; i < static_cast<int>(images.size()); ++i) {
                auto* item =
                    new QListWidgetItem(qt(images[static_cast<std::size_t>(i)].name), list);
                if (const ui::Bitmap* picture = tree->imageList().picture(i)) {
                    item->setIcon(QIcon(QPixmap::fromImage(WidgetPictures::toImage(*picture))));
                    item->setData(Qt::UserRole, true);
                }
            }
        }
        for (int i = 0; i < list->count(); ++i) {
            const bool selected = tree->selectedIndex() == i;
            if (list->item(i)->isSelected() != selected) {
                list->item(i)->setSelected(selected);
            }
        }
        break;
    }
    case Kind::List: {
        auto* list = as<QListWidget>(widget_.data());
        auto* tree = dynamic_cast<CListBox*>(window_);
        bool same = list->count() == tree->GetCount();
        std::wstring itemText;
        for (int i = 0; same && i < tree->GetCount(); ++i) {
            tree->GetText(i, itemText);
            same = list->item(i)->text() == qt(itemText);
        }
        if (!same) {
            list->clear();
            for (int i = 0; i < tree->GetCount(); ++i) {
                tree->GetText(i, itemText);
                list->addItem(qt(itemText));
            }
        }
        list->setSelectionMode(tree->isMultiple() ? QAbstractItemView::MultiSelection
                                                  : QAbstractItemView::SingleSelection);
        for (int i = 0; i < list->count(); ++i) {
            const bool selected = tree->isMultiple() ? tree->GetSel(i) > 0 : tree->GetCurSel() == i;
            if (list->item(i)->isSelected() != selected) {
                list->item(i)->setSelected(selected);
            }
        }
        break;
    }
    case Kind::Tabs: {
        auto* frame = as<TabFrame>(widget_.data());
        auto* tree = dynamic_cast<CTabCtrl*>(window_);
        QStringList titles;
        for (int i = 0; i < tree->GetItemCount(); ++i) {
            TCITEM item;
            item.mask = TCIF_TEXT;
            tree->GetItem(i, &item);
            titles << qt(item.pszText);
        }
        frame->setTabs(titles, tree->GetCurSel());
        break;
    }
    case Kind::Sheet:
        as<SheetView>(widget_.data())->refresh(metrics);
        break;
    case Kind::Placeholder:
        break;
    }
}

} // namespace qtview
