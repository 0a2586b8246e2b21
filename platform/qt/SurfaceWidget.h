#pragma once
// qtview::SurfaceWidget: the widget of a window that draws itself (a child dialog, a custom
// control): it shows the window's painting and hands the mouse on it to the tree.

#include "platform/qt/SurfaceInput.h"

#include <QWidget>

namespace qtview {

class SurfaceWidget : public QWidget {
public:
    SurfaceWidget(CWnd& window, QWidget* parent);

    SurfaceInput& surface() { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { surface_.mousePress(event); }
    void mouseMoveEvent(QMouseEvent* event) override { surface_.mouseMove(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { surface_.mouseRelease(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { surface_.mouseDoubleClick(event); }

private:
    SurfaceInput surface_;
};

} // namespace qtview
