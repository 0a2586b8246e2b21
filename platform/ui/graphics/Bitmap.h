#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/ui/graphics/BitmapMask.h"
#include "platform/ui/windows/WinTypes.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ui {

// A picture as 32-bit pixels 0xAARRGGBB, row 0 at the top. Pictures come from ".bmp" files
// (see BitmapFormat for what is read) and are written as 24-bit ".bmp" files.
class Bitmap {
public:
    struct LoadResult;

    Bitmap() = default;
    // A picture filled with one colour; negative sizes count as 0.
    Bitmap(int width, int height, std::uint32_t argb);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return pixels_.empty(); }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    // 0 outside the picture.
    std::uint32_t pixel(int x, int y) const;
    // Ignored outside the picture.
    void setPixel(int x, int y, std::uint32_t argb);

    // Reads the ".bmp" file that name denotes (through the path boundary).
    static LoadResult load(const Vdn_String& name);
    // Writes the picture as a 24-bit ".bmp" file (alpha is dropped), replacing the file only
    // once it is complete. False for an empty picture or when the file cannot be written.
    bool save(const Vdn_String& name) const;

    // The mask in which every pixel of the given colour (alpha aside) is transparent.
    BitmapMask maskOf(COLORREF transparent) const;

    static std::uint32_t argbOf(COLORREF color);
    static COLORREF colorRefOf(std::uint32_t argb);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// The outcome of reading a picture: the picture, or the reason it could not be read.
struct Bitmap::LoadResult {
    Bitmap bitmap;
    std::wstring error; // empty on success

    bool ok() const { return error.empty(); }
};

} // namespace ui
