#include "platform/qt/DialogMetrics.h"

#include <QFontMetrics>
#include <cmath>

namespace qtview {

namespace {

// The base units the window tree's dialog-unit conversion uses.
constexpr double kTreeBaseX = 6.0;
constexpr double kTreeBaseY = 13.0;

int scaled(int value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

} // namespace

DialogMetrics::DialogMetrics(const QFont& font) {
    const QFontMetrics metrics(font);
    // Windows' own rule: the average width of the 52 letters, rounded, and the font's height.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double baseX = std::round(metrics.horizontalAdvance(letters) / 52.0);
    const double baseY = metrics.height();
    // Never shrink below the design: a narrower font would only waste the room, while a wider
    // one must get more, or labels are cut off.
    scaleX_ = std::max(1.0, baseX / kTreeBaseX);
    scaleY_ = std::max(1.0, baseY / kTreeBaseY);
}

int DialogMetrics::x(int treeX) const {
    return scaled(treeX, scaleX_);
}

int DialogMetrics::y(int treeY) const {
    return scaled(treeY, scaleY_);
}

QRect DialogMetrics::rect(const CRect& r) const {
    const int left = x(r.left);
    const int top = y(r.top);
    return QRect(left, top, x(r.right) - left, y(r.bottom) - top);
}

QSize DialogMetrics::size(int treeWidth, int treeHeight) const {
    return QSize(x(treeWidth), y(treeHeight));
}

int DialogMetrics::treeX(int viewX) const {
    return static_cast<int>(std::lround(viewX / scaleX_));
}

int DialogMetrics::treeY(int viewY) const {
    return static_cast<int>(std::lround(viewY / scaleY_));
}

QFont DialogMetrics::dialogFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

} // namespace qtview
