#include "platform/qt/SurfaceWidget.h"

#include <QPainter>

namespace qtview {

SurfaceWidget::SurfaceWidget(CWnd& window, QWidget* parent)
    : QWidget(parent), surface_(window, *this, nullptr) {}

void SurfaceWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    surface_.paint(painter);
}

} // namespace qtview
