#pragma once
// qtview::WidgetPictures: the pictures of the window tree (bitmaps behind HBITMAP handles) as
// Qt pixmaps. A handle without a picture gives an empty pixmap, never a failure.

#include <QImage>
#include <QPixmap>

class CWnd;

namespace ui {
class Bitmap;
}

namespace qtview {

class WidgetPictures {
public:
    static QImage toImage(const ui::Bitmap& bitmap);
    // The bitmap a static or button was given, or an empty pixmap.
    static QPixmap ofWindow(const CWnd& window);
};

} // namespace qtview
