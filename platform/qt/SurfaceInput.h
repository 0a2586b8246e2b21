#pragma once
// qtview::SurfaceInput: the part of a widget that shows a window's own painting (its surface:
// a dialog's background picture, a design's selection frames, a custom control) and hands the
// mouse on it to the tree as clicks and drags at positions. A drag is handed over once the
// button is released, as one gesture, because the tree's tracking loops play a whole gesture;
// meanwhile a rubber band shows where the pointer went.

#include <QImage>
#include <QPoint>

class CWnd;
class QMouseEvent;
class QPainter;
class QRubberBand;
class QWidget;

namespace qtview {

class DialogMetrics;

class SurfaceInput {
public:
    SurfaceInput(CWnd& window, QWidget& widget, const DialogMetrics* metrics);
    ~SurfaceInput();
    SurfaceInput(const SurfaceInput&) = delete;
    SurfaceInput& operator=(const SurfaceInput&) = delete;

    void setMetrics(const DialogMetrics* metrics) { metrics_ = metrics; }
    // Paints the window again when it changed since the last time; true when it did.
    bool refresh();
    // Draws the surface scaled to the widget; nothing before the window painted anything.
    void paint(QPainter& painter) const;

    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    void mouseDoubleClick(QMouseEvent* event);

private:
    QPoint treePoint(const QPoint& viewPoint) const;

    CWnd* window_;
    QWidget* widget_;
    const DialogMetrics* metrics_;
    QImage image_;
    int paintedAt_ = -1;
    bool pressed_ = false;
    bool rightPressed_ = false;
    QPoint pressPoint_;
    QRubberBand* band_ = nullptr;
};

} // namespace qtview
