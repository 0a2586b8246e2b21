#pragma once

#include "platform/ui/graphics/Bitmap.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ui {

// The ".bmp" file format.
//
// Reading: a BITMAPFILEHEADER followed by a BITMAPCOREHEADER (12 bytes), BITMAPINFOHEADER
// (40), its V2/V3 extensions (52, 56), BITMAPV4HEADER (108) or BITMAPV5HEADER (124); 1, 4 and
// 8 bits per pixel through the colour table, 16, 24 and 32 bits; rows bottom-up (positive
// height) or top-down (negative height); BI_RGB, and BI_BITFIELDS / BI_ALPHABITFIELDS for 16
// and 32 bits. A 32-bit picture is opaque unless an alpha mask is given and some pixel has a
// non-zero alpha (pictures whose alpha is zero everywhere were written by programs that do
// not fill it). A palette index past the colour table gives black. RLE, JPEG and PNG
// compression are refused.
//
// Every size is checked against the file length before anything is read, and pictures larger
// than kMaxPixels or files larger than kMaxFileSize are refused, so a damaged or hostile file
// gives an error text and never a read out of bounds or a huge allocation.
//
// Writing: BITMAPINFOHEADER, 24 bits per pixel, bottom-up, BI_RGB, 96 dots per inch.
class BitmapFormat {
public:
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;
    static constexpr std::int64_t kMaxFileSize = std::int64_t{1} << 29;

    static Bitmap::LoadResult decode(std::span<const std::uint8_t> bytes);
    // Empty for an empty picture.
    static std::vector<std::uint8_t> encode24(const Bitmap& bitmap);
};

} // namespace ui
