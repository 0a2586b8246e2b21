#pragma once
// qtview::TopLevelView: the window of a top-level window of the tree (a dialog, the main frame):
// its caption, client size and the widgets of all its descendants. sync() brings every widget in
// step with the tree; widgets of windows that are gone are dropped. Closing it by its close box
// asks the tree (WM_CLOSE), which decides; a resizable window resized by a person resizes the
// tree window, whose dialog code then lays itself out.

#include "platform/qt/ControlMirror.h"
#include "platform/qt/DialogMetrics.h"
#include "platform/qt/SurfaceInput.h"

#include <QWidget>
#include <memory>
#include <unordered_map>

class CWnd;

namespace qtview {

class TopLevelView : public QWidget {
public:
    explicit TopLevelView(CWnd& window);
    ~TopLevelView() override;

    CWnd& window() const { return *window_; }
    const DialogMetrics& metrics() const { return metrics_; }

    // Brings the whole view in step with the tree at once.
    void sync();
    // Forgets the widget of a window that is being destroyed.
    void forget(CWnd& window);
    // The mirror of a descendant window, or null.
    ControlMirror* mirrorOf(const CWnd& window) const;
    // The tree window a widget (or one of its parents) shows, or null.
    CWnd* windowOf(const QWidget* widget) const;
    // The focus as the tree has it, on the widget that shows it.
    void showFocus(CWnd* focus);
    // The view is laid into another window (the program's main window shows the host frame):
    // its size then comes from that window's layout and goes to the tree window.
    void setEmbedded(bool embedded) { embedded_ = embedded; }
    bool isEmbedded() const { return embedded_; }
    // The view around a widget, or null.
    static TopLevelView* around(QWidget* widget);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The window's own painting (a background picture, frames drawn by a tracker) and the
    // mouse on its client area.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { surface_.mousePress(event); }
    void mouseMoveEvent(QMouseEvent* event) override { surface_.mouseMove(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { surface_.mouseRelease(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { surface_.mouseDoubleClick(event); }

private:
    void syncChildren(CWnd& parent, QWidget& parentWidget, QPoint origin,
                      std::unordered_map<const CWnd*, bool>& seen);
    QSize clientSize() const;

    CWnd* window_;
    DialogMetrics metrics_;
    SurfaceInput surface_;
    std::unordered_map<const CWnd*, std::unique_ptr<ControlMirror>> mirrors_;
    bool syncing_ = false;
    bool embedded_ = false;
};

} // namespace qtview
