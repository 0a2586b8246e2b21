#include "platform/ui/controls/CImageList.h"

#include "platform/ui/graphics/CBitmap.h"
#include "platform/ui/graphics/CDC.h"
#include "platform/ui/graphics/IconTable.h"

#include <algorithm>

namespace {

ui::Bitmap fitted(const ui::Bitmap& source, int width, int height, bool hasMask,
                  std::uint32_t maskRgb) {
    ui::Bitmap result(width, height, 0);
    if (source.isEmpty()) {
        return result;
    }
    // Scale down (never up) to fit, keeping the proportions.
    const double scale = std::min({1.0, static_cast<double>(width) / source.width(),
                                   static_cast<double>(height) / source.height()});
    const int w = std::max(1, static_cast<int>(source.width() * scale));
    const int h = std::max(1, static_cast<int>(source.height() * scale));
    const int left = (width - w) / 2;
    const int top = (height - h) / 2;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t pixel =
                source.pixel(std::min(source.width() - 1, static_cast<int>(x / scale)),
                             std::min(source.height() - 1, static_cast<int>(y / scale)));
            if (hasMask && (pixel & 0xFFFFFFu) == maskRgb) {
                continue;
            }
            result.setPixel(left + x, top + y, pixel);
        }
    }
    return result;
}

} // namespace

BOOL CImageList::Create(int cx, int cy, UINT, int, int) {
    if (cx < 1 || cy < 1 || isCreated()) {
        return FALSE;
    }
    width_ = cx;
    height_ = cy;
    return TRUE;
}

BOOL CImageList::DeleteImageList() {
    if (!isCreated()) {
        return FALSE;
    }
    width_ = 0;
    height_ = 0;
    images_.clear();
    return TRUE;
}

int CImageList::addPicture(const ui::Bitmap& picture, bool maskWhite) {
    if (!isCreated()) {
        return -1;
    }
    images_.push_back(fitted(picture, width_, height_, maskWhite, 0xFFFFFFu));
    return GetImageCount() - 1;
}

int CImageList::Add(const CBitmap* bitmap, COLORREF mask) {
    if (!isCreated()) {
        return -1;
    }
    const auto picture = bitmap != nullptr ? bitmap->picture() : nullptr;
    images_.push_back(fitted(picture ? *picture : ui::Bitmap(), width_, height_, true,
                             ui::Bitmap::argbOf(mask) & 0xFFFFFFu));
    return GetImageCount() - 1;
}

int CImageList::Add(HICON icon) {
    if (!isCreated()) {
        return -1;
    }
    const auto picture = ui::IconTable::find(icon);
    images_.push_back(fitted(picture ? *picture : ui::Bitmap(), width_, height_, false, 0));
    return GetImageCount() - 1;
}

const ui::Bitmap* CImageList::picture(int index) const {
    if (index < 0 || index >= GetImageCount()) {
        return nullptr;
    }
    return &images_[static_cast<std::size_t>(index)];
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT) const {
    const ui::Bitmap* image = picture(index);
    if (dc == nullptr || image == nullptr || dc->surface() == nullptr) {
        return FALSE;
    }
    for (int y = 0; y < image->height(); ++y) {
        for (int x = 0; x < image->width(); ++x) {
            const std::uint32_t pixel = image->pixel(x, y);
            if ((pixel & 0xFF000000u) != 0) {
                dc->surface()->setPixel(point.x + x, point.y + y, pixel);
            }
        }
    }
    return TRUE;
}
