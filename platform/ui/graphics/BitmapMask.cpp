#include "platform/ui/graphics/BitmapMask.h"

#include <algorithm>

namespace ui {

BitmapMask::BitmapMask(int width, int height)
    : mWidth(std::max(width, 0)), mHeight(std::max(height, 0)), mStride((mWidth + 7) / 8),
      mBits(static_cast<std::size_t>(mStride) * static_cast<std::size_t>(mHeight), 0) {}

bool BitmapMask::isTransparent(int x, int y) const {
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight)
        return false;
    const std::size_t at = static_cast<std::size_t>(y) * mStride + static_cast<std::size_t>(x / 8);
    return (mBits[at] & (0x80 >> (x % 8))) != 0;
}

void BitmapMask::setTransparent(int x, int y, bool transparent) {
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight)
        return;
    const std::size_t at = static_cast<std::size_t>(y) * mStride + static_cast<std::size_t>(x / 8);
    const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
    mBits[at] = transparent ? static_cast<std::uint8_t>(mBits[at] | bit)
                            : static_cast<std::uint8_t>(mBits[at] & ~bit);
}

} // namespace ui
