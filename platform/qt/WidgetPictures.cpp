#include "platform/qt/WidgetPictures.h"

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/BitmapTable.h"
#include "platform/ui/graphics/IconTable.h"

#include <QHash>

namespace qtview {

QImage WidgetPictures::toImage(const ui::Bitmap& bitmap) {
    if (bitmap.width() <= 0 || bitmap.height() <= 0) {
        return {};
    }
    // Both hold 0xAARRGGBB words, row 0 at the top.
    const QImage view(reinterpret_cast<const uchar*>(bitmap.pixels().data()), bitmap.width(),
                      bitmap.height(), bitmap.width() * 4, QImage::Format_ARGB32);
    return view.copy();
}

QPixmap WidgetPictures::ofWindow(const CWnd& window) {
    HBITMAP handle = nullptr;
    HICON icon = nullptr;
    if (const auto* picture = dynamic_cast<const CStatic*>(&window)) {
        handle = picture->GetBitmap();
        icon = picture->GetIcon();
    } else if (const auto* button = dynamic_cast<const CButton*>(&window)) {
        handle = button->GetBitmap();
        icon = button->GetIcon();
    }
    if (handle == nullptr && icon != nullptr) {
        // Icons are shared and live as long as the program.
        static QHash<const void*, QPixmap> icons;
        if (const auto found = icons.constFind(icon); found != icons.constEnd()) {
            return *found;
        }
        const std::shared_ptr<const ui::Bitmap> picture = ui::IconTable::find(icon);
        const QPixmap pixmap = picture ? QPixmap::fromImage(toImage(*picture)) : QPixmap();
        icons.insert(icon, pixmap);
        return pixmap;
    }
    if (handle == nullptr) {
        return {};
    }
    // The same handle keeps the same pixmap, so that a sync that changes nothing repaints nothing.
    static QHash<const void*, QPixmap> cache;
    const auto found = cache.constFind(handle);
    const std::shared_ptr<const ui::Bitmap> bitmap = ui::BitmapTable::find(handle);
    if (!bitmap) {
        cache.remove(handle);
        return {};
    }
    if (found != cache.constEnd()) {
        return *found;
    }
    const QPixmap pixmap = QPixmap::fromImage(toImage(*bitmap));
    cache.insert(handle, pixmap);
    return pixmap;
}

} // namespace qtview
