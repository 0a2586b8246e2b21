#pragma once
// qtview::Desktop: the live view of the whole window tree. It observes the tree and keeps a
// TopLevelView for every top-level window that is shown, in step with every change (a change
// schedules one sync of its top-level window for the next turn of the event loop, so a burst
// of changes costs one pass). It routes the dialog keys a person presses (Tab, Enter, Escape,
// F1 to F12) and focus changes into the tree, and runs the tree's clock and posted messages on
// real time. One Desktop exists while a QApplication does.

#include "platform/ui/windows/WindowObserver.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <unordered_map>

class CWnd;

namespace qtview {

class TopLevelView;

class Desktop : public QObject, public ui::WindowObserver {
public:
    Desktop();
    ~Desktop() override;

    // The Desktop alive now, or null.
    static Desktop* instance();

    // Every pending sync done now (tests, screenshots, a modal dialog that starts).
    void syncNow();
    // The view of a top-level window, made (and shown, when the window is visible) if needed.
    TopLevelView* viewOf(CWnd& topLevel);
    // The view of a top-level window if there is one.
    TopLevelView* existingViewOf(const CWnd& topLevel) const;

    // A top-level window that gets no window of its own unless asked for with viewOf (the
    // host's main frame while only a dialog is shown).
    void ignore(const CWnd& topLevel) { ignored_[&topLevel] = true; }

    void windowCreated(CWnd& window) override;
    void windowChanged(CWnd& window) override;
    void focusChanged(CWnd* focus) override;
    void windowDestroyed(CWnd& window) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void schedule(CWnd& topLevel);
    void syncView(CWnd& topLevel);
    void tick();
    void onQtFocus(QWidget* now);

    std::unordered_map<const CWnd*, QPointer<TopLevelView>> views_;
    std::unordered_map<const CWnd*, bool> pending_;
    QTimer flush_;
    QTimer clock_;
    QElapsedTimer elapsed_;
    qint64 lastTick_ = 0;
    std::unordered_map<const CWnd*, bool> ignored_;
    bool inTree_ = false;
};

} // namespace qtview
