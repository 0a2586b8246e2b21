#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace core {

// The bytes of a ".bmp" file holding the picture: BITMAPINFOHEADER, 24 bits per pixel,
// bottom-up, uncompressed, 96 dots per inch. pixels are 0xAARRGGBB, row 0 at the top (alpha
// is dropped); empty for an empty picture or when pixels does not hold width * height of them.
std::vector<std::uint8_t> encodeBmp24(int width, int height, std::span<const std::uint32_t> pixels);

} // namespace core
