#pragma once

#include <cstdint>
#include <vector>

namespace ui {

// A one-bit-per-pixel transparency mask of a picture, as the monochrome mask bitmaps of
// Win32: a set bit marks a transparent pixel (white in the mask, where the dialog shows
// through), a clear bit an opaque one. Row 0 is the top row.
class BitmapMask {
public:
    BitmapMask() = default;
    // An all-opaque mask; negative sizes count as 0.
    BitmapMask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // False outside the mask.
    bool isTransparent(int x, int y) const;
    // Ignored outside the mask.
    void setTransparent(int x, int y, bool transparent);

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0; // bytes per row, most significant bit first
    std::vector<std::uint8_t> bits_;
};

} // namespace ui
