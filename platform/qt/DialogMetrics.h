#pragma once
// qtview::DialogMetrics: the window tree lays dialogs out in pixels of the font the templates
// were designed for (MS Shell Dlg 8 at 96 dpi: dialog base units 6 x 13). The view draws with
// another font, so every rectangle is scaled by the ratio of the real font's base units to
// those, corner by corner, so that adjacent controls stay adjacent and labels keep their room.

#include "platform/ui/windows/CRect.h"

#include <QFont>
#include <QRect>
#include <QSize>

namespace qtview {

class DialogMetrics {
public:
    explicit DialogMetrics(const QFont& font);

    int x(int treeX) const;
    int y(int treeY) const;
    QRect rect(const CRect& treeRect) const;
    QSize size(int treeWidth, int treeHeight) const;
    // Back from view pixels to tree pixels (a window a person resized).
    int treeX(int viewX) const;
    int treeY(int viewY) const;

    double scaleX() const { return scaleX_; }
    double scaleY() const { return scaleY_; }

    // The font every dialog is drawn with: a sans-serif face at the size of MS Shell Dlg 8.
    static QFont dialogFont();

private:
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
};

} // namespace qtview
