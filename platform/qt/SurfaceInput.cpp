#include "platform/qt/SurfaceInput.h"

#include "platform/qt/DialogMetrics.h"
#include "platform/qt/KeyMapping.h"
#include "platform/qt/PersonInput.h"
#include "platform/qt/WidgetPictures.h"
#include "platform/ui/graphics/WindowPainter.h"
#include "platform/ui/windows/CWnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QWidget>

namespace qtview {

namespace {

// A press and release closer than this is a click, not a drag (as the tree's drag test).
constexpr int kDragDistance = 4;

} // namespace

SurfaceInput::SurfaceInput(CWnd& window, QWidget& widget, const DialogMetrics* metrics)
    : window_(&window), widget_(&widget), metrics_(metrics) {}

SurfaceInput::~SurfaceInput() = default;

bool SurfaceInput::refresh() {
    if (!PersonInput::isAlive(window_) || window_->invalidateCount() == paintedAt_) {
        return false;
    }
    const ui::Bitmap& surface = ui::WindowPainter::instance().paint(*window_);
    paintedAt_ = window_->invalidateCount();
    image_ = WidgetPictures::toImage(surface);
    return true;
}

void SurfaceInput::paint(QPainter& painter) const {
    if (image_.isNull() || metrics_ == nullptr) {
        return;
    }
    const QSize size(metrics_->x(image_.width()), metrics_->y(image_.height()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRect(QPoint(0, 0), size), image_);
}

QPoint SurfaceInput::treePoint(const QPoint& viewPoint) const {
    if (metrics_ == nullptr) {
        return viewPoint;
    }
    return QPoint(metrics_->treeX(viewPoint.x()), metrics_->treeY(viewPoint.y()));
}

void SurfaceInput::mousePress(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        pressPoint_ = event->position().toPoint();
    } else if (event->button() == Qt::RightButton) {
        rightPressed_ = true;
    }
    event->accept();
}

void SurfaceInput::mouseMove(QMouseEvent* event) {
    if (!pressed_) {
        return;
    }
    const QPoint now = event->position().toPoint();
    if ((now - pressPoint_).manhattanLength() <= kDragDistance) {
        return;
    }
    if (band_ == nullptr) {
        band_ = new QRubberBand(QRubberBand::Rectangle, widget_);
    }
    band_->setGeometry(QRect(pressPoint_, now).normalized());
    band_->show();
}

void SurfaceInput::mouseRelease(QMouseEvent* event) {
    const unsigned modifiers = treeModifiers(event->modifiers());
    const QPoint at = event->position().toPoint();
    if (band_ != nullptr) {
        band_->hide();
        band_->deleteLater();
        band_ = nullptr;
    }
    if (event->button() == Qt::RightButton && rightPressed_) {
        rightPressed_ = false;
        const QPoint point = treePoint(at);
        PersonInput::rightClickAt(*window_, CPoint(point.x(), point.y()), modifiers);
        return;
    }
    if (event->button() != Qt::LeftButton || !pressed_) {
        return;
    }
    pressed_ = false;
    const QPoint from = treePoint(pressPoint_);
    const QPoint to = treePoint(at);
    if ((at - pressPoint_).manhattanLength() > kDragDistance) {
        PersonInput::drag(*window_, CPoint(from.x(), from.y()), CPoint(to.x(), to.y()), modifiers);
    } else {
        PersonInput::clickAt(*window_, CPoint(from.x(), from.y()), modifiers);
    }
}

void SurfaceInput::mouseDoubleClick(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressed_ = false;
    const QPoint point = treePoint(event->position().toPoint());
    PersonInput::doubleClickAt(*window_, CPoint(point.x(), point.y()),
                               treeModifiers(event->modifiers()));
}

} // namespace qtview
