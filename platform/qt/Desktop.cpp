#include "platform/qt/Desktop.h"

#include "platform/qt/KeyMapping.h"
#include "platform/qt/PersonInput.h"
#include "platform/qt/SheetView.h"
#include "platform/qt/TopLevelView.h"
#include "platform/ui/time/Clock.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/MessageQueue.h"
#include "platform/ui/windows/WinConstants.h"

#include <QApplication>
#include <QKeyEvent>

namespace qtview {

namespace {

Desktop* current = nullptr;

// Real time moves the tree's clock in steps of this many milliseconds.
constexpr int kClockStep = 10;

bool isTopLevel(const CWnd& window) {
    return (window.GetStyle() & WS_CHILD) == 0;
}

// A sheet being edited keeps Enter and Escape for its editor.
bool editingInSheet(QWidget* focus) {
    for (QWidget* w = focus; w != nullptr; w = w->parentWidget()) {
        if (auto* sheet = dynamic_cast<SheetView*>(w)) {
            return sheet->isEditing();
        }
    }
    return false;
}

} // namespace

Desktop::Desktop() {
    current = this;
    ui::WindowObserver::add(*this);
    flush_.setSingleShot(true);
    flush_.setInterval(0);
    connect(&flush_, &QTimer::timeout, this, [this] { syncNow(); });
    elapsed_.start();
    clock_.setInterval(kClockStep);
    connect(&clock_, &QTimer::timeout, this, [this] { tick(); });
    clock_.start();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { onQtFocus(now); });
}

Desktop::~Desktop() {
    ui::WindowObserver::remove(*this);
    for (auto& [window, view] : views_) {
        (void)window;
        delete view.data();
    }
    if (current == this) {
        current = nullptr;
    }
}

Desktop* Desktop::instance() {
    return current;
}

TopLevelView* Desktop::existingViewOf(const CWnd& topLevel) const {
    const auto found = views_.find(&topLevel);
    return found == views_.end() ? nullptr : found->second.data();
}

TopLevelView* Desktop::viewOf(CWnd& topLevel) {
    TopLevelView* view = existingViewOf(topLevel);
    if (view == nullptr) {
        view = new TopLevelView(topLevel);
        views_[&topLevel] = view;
    }
    syncView(topLevel);
    return view;
}

void Desktop::syncView(CWnd& topLevel) {
    TopLevelView* view = existingViewOf(topLevel);
    if (view == nullptr) {
        return;
    }
    inTree_ = true;
    view->sync();
    const bool visible = (topLevel.GetStyle() & WS_VISIBLE) != 0;
    if (view->isEmbedded()) {
        view->setVisible(visible);
    } else if (visible && !view->isVisible()) {
        view->show();
        view->raise();
        view->activateWindow();
        view->showFocus(CWnd::GetFocus());
    } else if (!visible && view->isVisible()) {
        view->hide();
    }
    inTree_ = false;
}

void Desktop::syncNow() {
    const auto pending = std::move(pending_);
    pending_.clear();
    for (const auto& [window, flag] : pending) {
        (void)flag;
        CWnd* topLevel = const_cast<CWnd*>(window);
        if (!PersonInput::isAlive(topLevel)) {
            continue;
        }
        if (existingViewOf(*topLevel) == nullptr) {
            if ((topLevel->GetStyle() & WS_VISIBLE) == 0 || ignored_.count(topLevel) != 0) {
                continue; // hidden windows (the pooled standards dialogs) get no view
            }
            viewOf(*topLevel);
        } else {
            syncView(*topLevel);
        }
    }
}

void Desktop::schedule(CWnd& topLevel) {
    pending_[&topLevel] = true;
    if (!flush_.isActive()) {
        flush_.start();
    }
}

void Desktop::windowCreated(CWnd& window) {
    if (CWnd* topLevel = window.GetTopLevelParent()) {
        schedule(*topLevel);
    }
}

void Desktop::windowChanged(CWnd& window) {
    if (CWnd* topLevel = window.GetTopLevelParent()) {
        schedule(*topLevel);
    }
}

void Desktop::focusChanged(CWnd* focus) {
    if (focus == nullptr || !PersonInput::isAlive(focus)) {
        return;
    }
    if (CWnd* topLevel = focus->GetTopLevelParent()) {
        schedule(*topLevel);
    }
}

void Desktop::windowDestroyed(CWnd& window) {
    pending_.erase(&window);
    ignored_.erase(&window);
    if (isTopLevel(window)) {
        if (const auto found = views_.find(&window); found != views_.end()) {
            if (TopLevelView* view = found->second.data()) {
                view->hide();
                view->deleteLater();
            }
            views_.erase(found);
        }
        return;
    }
    if (CWnd* topLevel = window.GetTopLevelParent()) {
        if (TopLevelView* view = existingViewOf(*topLevel)) {
            view->forget(window);
        }
    }
}

void Desktop::tick() {
    const qint64 now = elapsed_.elapsed();
    const qint64 step = now - lastTick_;
    lastTick_ = now;
    ui::MessageQueue::instance().pump();
    if (step > 0) {
        ui::Clock::instance().advance(step);
    }
}

void Desktop::onQtFocus(QWidget* now) {
    if (inTree_ || now == nullptr) {
        return;
    }
    TopLevelView* view = TopLevelView::around(now);
    if (view == nullptr) {
        return;
    }
    CWnd* window = view->windowOf(now);
    if (window != nullptr && window != CWnd::GetFocus()) {
        PersonInput::focus(*window);
    }
}

bool Desktop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    TopLevelView* view = TopLevelView::around(widget);
    if (view == nullptr) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const int vk = virtualKey(key->key());
    const bool dialogKey =
        vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE || (vk >= VK_F1 && vk <= VK_F12);
    if (!dialogKey) {
        return false;
    }
    if ((vk == VK_RETURN || vk == VK_ESCAPE) && editingInSheet(QApplication::focusWidget())) {
        return false;
    }
    unsigned modifiers = treeModifiers(key->modifiers());
    if (key->key() == Qt::Key_Backtab) {
        modifiers |= 1u; // Shift, as Qt folds it into the key
    }
    PersonInput::pressKey(view->window(), vk, modifiers);
    syncNow();
    return true;
}

} // namespace qtview
