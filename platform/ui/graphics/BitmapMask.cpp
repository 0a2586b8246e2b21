#include "platform/ui/graphics/BitmapMask.h"

#include <algorithm>

namespace ui {

BitmapMask::BitmapMask(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), stride_((width_ + 7) / 8),
      bits_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_), 0) {}

bool BitmapMask::isTransparent(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return false;
    const std::size_t at = static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x / 8);
    return (bits_[at] & (0x80 >> (x % 8))) != 0;
}

void BitmapMask::setTransparent(int x, int y, bool transparent) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const std::size_t at = static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x / 8);
    const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
    bits_[at] = transparent ? static_cast<std::uint8_t>(bits_[at] | bit)
                            : static_cast<std::uint8_t>(bits_[at] & ~bit);
}

} // namespace ui
