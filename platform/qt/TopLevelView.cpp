#include "platform/qt/TopLevelView.h"

#include "platform/qt/PersonInput.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WinConstants.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace qtview {

TopLevelView::TopLevelView(CWnd& window)
    : QWidget(nullptr, Qt::Window), window_(&window), metrics_(DialogMetrics::dialogFont()),
      surface_(window, *this, &metrics_) {
    setFont(DialogMetrics::dialogFont());
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (const auto* dialog = dynamic_cast<const CDialog*>(&window); dialog && dialog->isModal()) {
        setWindowModality(Qt::ApplicationModal);
    }
    sync();
}

TopLevelView::~TopLevelView() = default;

QSize TopLevelView::clientSize() const {
    CRect client;
    window_->GetClientRect(&client);
    return metrics_.size(client.Width(), client.Height());
}

void TopLevelView::sync() {
    if (syncing_ || !PersonInput::isAlive(window_)) {
        return;
    }
    syncing_ = true;
    const QString title = QString::fromStdWString(window_->GetWindowText());
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
    const QSize size = clientSize();
    if (!embedded_ && this->size() != size) {
        if (window_->GetStyle() & WS_THICKFRAME) {
            resize(size);
        } else {
            setFixedSize(size);
        }
    }
    setEnabled((window_->GetStyle() & WS_DISABLED) == 0);
    if (surface_.refresh()) {
        update();
    }
    std::unordered_map<const CWnd*, bool> seen;
    syncChildren(*window_, *this, QPoint(0, 0), seen);
    for (auto it = mirrors_.begin(); it != mirrors_.end();) {
        it = seen.count(it->first) ? std::next(it) : mirrors_.erase(it);
    }
    showFocus(CWnd::GetFocus());
    syncing_ = false;
}

void TopLevelView::syncChildren(CWnd& parent, QWidget& parentWidget, QPoint origin,
                                std::unordered_map<const CWnd*, bool>& seen) {
    for (CWnd* child : parent.children()) {
        if (child->GetSafeHwnd() == nullptr) {
            continue;
        }
        auto found = mirrors_.find(child);
        if (found == mirrors_.end()) {
            found = mirrors_.emplace(child, std::make_unique<ControlMirror>(*child, parentWidget))
                        .first;
        }
        ControlMirror& mirror = *found->second;
        seen[child] = true;
        mirror.sync(metrics_, origin);
        if (mirror.widget() != nullptr && !child->children().empty()) {
            syncChildren(*child, *mirror.widget(), mirror.childOrigin(metrics_), seen);
        }
    }
}

void TopLevelView::forget(CWnd& window) {
    mirrors_.erase(&window);
}

ControlMirror* TopLevelView::mirrorOf(const CWnd& window) const {
    const auto found = mirrors_.find(&window);
    return found == mirrors_.end() ? nullptr : found->second.get();
}

CWnd* TopLevelView::windowOf(const QWidget* widget) const {
    for (const QWidget* w = widget; w != nullptr && w != this; w = w->parentWidget()) {
        for (const auto& [window, mirror] : mirrors_) {
            if (mirror->widget() == w) {
                return const_cast<CWnd*>(window);
            }
        }
    }
    return nullptr;
}

void TopLevelView::showFocus(CWnd* focus) {
    if (focus == nullptr || !isVisible()) {
        return;
    }
    if (ControlMirror* mirror = mirrorOf(*focus); mirror && mirror->widget()) {
        QWidget* target = mirror->widget();
        if (!target->hasFocus() && !target->isAncestorOf(QApplication::focusWidget())) {
            target->setFocus(Qt::OtherFocusReason);
        }
    }
}

void TopLevelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    surface_.paint(painter);
}

TopLevelView* TopLevelView::around(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (auto* view = dynamic_cast<TopLevelView*>(w)) {
            return view;
        }
    }
    return nullptr;
}

void TopLevelView::closeEvent(QCloseEvent* event) {
    // The tree decides: a dialog cancels (and its view goes with its window), or refuses. The
    // view itself only ever hides, so every close request comes from the person.
    event->ignore();
    PersonInput::close(*window_);
}

void TopLevelView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const bool byPerson = event->spontaneous() || embedded_;
    if (!byPerson || syncing_ || !PersonInput::isAlive(window_) ||
        (window_->GetStyle() & WS_THICKFRAME) == 0) {
        return;
    }
    CRect windowRect;
    CRect client;
    window_->GetWindowRect(&windowRect);
    window_->GetClientRect(&client);
    const int frameWidth = windowRect.Width() - client.Width();
    const int frameHeight = windowRect.Height() - client.Height();
    window_->SetWindowPos(nullptr, 0, 0, metrics_.treeX(event->size().width()) + frameWidth,
                          metrics_.treeY(event->size().height()) + frameHeight,
                          SWP_NOMOVE | SWP_NOZORDER);
    sync();
}

} // namespace qtview
