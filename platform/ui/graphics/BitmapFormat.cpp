#include "platform/ui/graphics/BitmapFormat.h"

#include "platform/core/files/BmpEncoding.h"

#include <bit>
#include <optional>
#include <string>

namespace ui {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kJpeg = 4,
    kPng = 5,
    kAlphaBitFields = 6,
};

// Little-endian reads; the caller has checked the range.
std::uint16_t u16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}
std::uint32_t u32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) |
           (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}
std::int32_t i32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::int32_t>(u32(bytes, at));
}

// One colour channel of a bit-field pixel, scaled to 0..255.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), max_(mask >> shift_) {}

    bool present() const { return mask_ != 0; }
    std::uint32_t extract(std::uint32_t pixel) const {
        if (max_ == 0)
            return 0;
        const std::uint64_t raw = (pixel & mask_) >> shift_;
        return static_cast<std::uint32_t>((raw * 255 + max_ / 2) / max_);
    }

private:
    std::uint32_t mask_;
    int shift_;
    std::uint64_t max_;
};

struct Header {
    std::uint32_t size = 0;
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: top-down
    std::uint32_t planes = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[4] = {0, 0, 0, 0}; // red, green, blue, alpha
    bool hasMasks = false;
    std::size_t masksAfterHeader = 0; // bytes of masks that follow a 40-byte header
};

std::wstring number(std::int64_t value) {
    return std::to_wstring(value);
}

class Decoder {
public:
    explicit Decoder(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    Bitmap::LoadResult run() {
        if (!readHeaders() || !checkFormat() || !readPalette() || !checkPixelData())
            return {Bitmap(), error_};
        return {decodePixels(), std::wstring()};
    }

private:
    bool fail(std::wstring reason) {
        error_ = std::move(reason);
        return false;
    }
    std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }

    bool readHeaders() {
        if (size() > BitmapFormat::kMaxFileSize)
            return fail(L"the file is too large for a bitmap (" + number(size()) + L" bytes)");
        if (size() < static_cast<std::int64_t>(kFileHeaderSize + 4))
            return fail(L"the file is too short for a bitmap header");
        if (bytes_[0] != 'B' || bytes_[1] != 'M')
            return fail(L"not a BMP file (no \"BM\" signature)");
        pixelOffset_ = u32(bytes_, 10);
        header_.size = u32(bytes_, kFileHeaderSize);
        const std::uint32_t s = header_.size;
        if (s != kCoreHeaderSize && s != kInfoHeaderSize && s != 52 && s != 56 && s != 108 &&
            s != 124)
            return fail(L"unsupported bitmap header size " + number(s));
        if (static_cast<std::int64_t>(kFileHeaderSize) + s > size())
            return fail(L"the bitmap header is truncated");
        const std::size_t h = kFileHeaderSize;
        if (s == kCoreHeaderSize) {
            header_.width = u16(bytes_, h + 4);
            header_.height = u16(bytes_, h + 6);
            header_.planes = u16(bytes_, h + 8);
            header_.bitCount = u16(bytes_, h + 10);
            return true;
        }
        header_.width = i32(bytes_, h + 4);
        header_.height = i32(bytes_, h + 8);
        header_.planes = u16(bytes_, h + 12);
        header_.bitCount = u16(bytes_, h + 14);
        header_.compression = u32(bytes_, h + 16);
        header_.colorsUsed = u32(bytes_, h + 32);
        if (header_.compression != kBitFields && header_.compression != kAlphaBitFields)
            return true;
        header_.hasMasks = true;
        if (s == kInfoHeaderSize) {
            // A plain info header keeps its masks right after it.
            const std::size_t count = header_.compression == kAlphaBitFields ? 4 : 3;
            header_.masksAfterHeader = count * 4;
            if (static_cast<std::int64_t>(h + s + header_.masksAfterHeader) > size())
                return fail(L"the colour masks are truncated");
            for (std::size_t i = 0; i < count; ++i)
                header_.masks[i] = u32(bytes_, h + s + 4 * i);
        } else {
            for (std::size_t i = 0; i < 3; ++i)
                header_.masks[i] = u32(bytes_, h + 40 + 4 * i);
            if (s >= 56)
                header_.masks[3] = u32(bytes_, h + 52);
        }
        return true;
    }

    bool checkFormat() {
        const Header& hd = header_;
        if (hd.planes != 1)
            return fail(L"a bitmap must have one plane, not " + number(hd.planes));
        if (hd.width <= 0 || hd.height == 0)
            return fail(L"invalid bitmap size " + number(hd.width) + L" x " + number(hd.height));
        rows_ = hd.height < 0 ? -hd.height : hd.height;
        if (hd.width * rows_ > BitmapFormat::kMaxPixels)
            return fail(L"the bitmap size " + number(hd.width) + L" x " + number(rows_) +
                        L" is too large");
        switch (hd.compression) {
        case kRgb:
            break;
        case kBitFields:
        case kAlphaBitFields:
            if (hd.bitCount != 16 && hd.bitCount != 32)
                return fail(L"colour masks need 16 or 32 bits per pixel, not " +
                            number(hd.bitCount));
            break;
        case kRle8:
        case kRle4:
            return fail(L"RLE-compressed bitmaps are not supported");
        case kJpeg:
        case kPng:
            return fail(L"JPEG- and PNG-compressed bitmaps are not supported");
        default:
            return fail(L"unknown bitmap compression " + number(hd.compression));
        }
        const std::uint32_t bits = hd.bitCount;
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            return fail(L"unsupported number of bits per pixel: " + number(bits));
        if (hd.size == kCoreHeaderSize && (bits == 16 || bits == 32))
            return fail(L"a core header does not allow " + number(bits) + L" bits per pixel");
        if (bits == 16 && hd.hasMasks) {
            for (std::uint32_t mask : hd.masks) {
                if (mask > 0xFFFF)
                    return fail(L"a colour mask does not fit a 16-bit pixel");
            }
        }
        return true;
    }

    bool readPalette() {
        const std::uint32_t bits = header_.bitCount;
        if (bits > 8)
            return true;
        const std::uint32_t capacity = 1u << bits;
        const std::uint32_t count = header_.colorsUsed == 0 ? capacity : header_.colorsUsed;
        if (count > capacity)
            return fail(L"a colour table of " + number(count) + L" entries is too large for " +
                        number(bits) + L" bits per pixel");
        const std::size_t entrySize = header_.size == kCoreHeaderSize ? 3 : 4;
        const std::size_t start = kFileHeaderSize + header_.size + header_.masksAfterHeader;
        if (static_cast<std::int64_t>(start + count * entrySize) > size())
            return fail(L"the colour table is truncated");
        palette_.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = start + i * entrySize;
            palette_.push_back(0xFF000000u | (std::uint32_t{bytes_[at + 2]} << 16) |
                               (std::uint32_t{bytes_[at + 1]} << 8) | bytes_[at]);
        }
        return true;
    }

    bool checkPixelData() {
        stride_ = (header_.width * header_.bitCount + 31) / 32 * 4;
        const std::int64_t needed = stride_ * rows_;
        const std::int64_t headersEnd = static_cast<std::int64_t>(kFileHeaderSize) + header_.size;
        if (pixelOffset_ < headersEnd)
            return fail(L"the pixel data offset " + number(pixelOffset_) +
                        L" points into the headers");
        if (pixelOffset_ + needed > size())
            return fail(L"the pixel data is truncated: " + number(needed) + L" bytes needed at " +
                        L"offset " + number(pixelOffset_) + L", the file has " + number(size()));
        return true;
    }

    Bitmap decodePixels() {
        const int width = static_cast<int>(header_.width);
        const int height = static_cast<int>(rows_);
        Bitmap bitmap(width, height, 0);
        const std::uint32_t bits = header_.bitCount;
        std::uint32_t masks[4] = {header_.masks[0], header_.masks[1], header_.masks[2],
                                  header_.masks[3]};
        if (!header_.hasMasks && bits == 16) {
            masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F, masks[3] = 0;
        } else if (!header_.hasMasks && bits == 32) {
            masks[0] = 0x00FF0000, masks[1] = 0x0000FF00, masks[2] = 0x000000FF, masks[3] = 0;
        }
        const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
        bool anyAlpha = false;
        for (int y = 0; y < height; ++y) {
            const std::int64_t sourceRow = header_.height < 0 ? y : height - 1 - y;
            const std::size_t row = static_cast<std::size_t>(pixelOffset_ + sourceRow * stride_);
            for (int x = 0; x < width; ++x) {
                const auto ux = static_cast<std::size_t>(x);
                std::uint32_t argb = 0;
                if (bits <= 8) {
                    const std::size_t bitPos = ux * bits;
                    const std::uint32_t byte = bytes_[row + bitPos / 8];
                    const std::uint32_t index =
                        (byte >> (8 - bits - bitPos % 8)) & ((1u << bits) - 1);
                    argb = index < palette_.size() ? palette_[index] : 0xFF000000u;
                } else if (bits == 24) {
                    const std::size_t at = row + ux * 3;
                    argb = 0xFF000000u | (std::uint32_t{bytes_[at + 2]} << 16) |
                           (std::uint32_t{bytes_[at + 1]} << 8) | bytes_[at];
                } else {
                    const std::uint32_t value =
                        bits == 16 ? u16(bytes_, row + ux * 2) : u32(bytes_, row + ux * 4);
                    const std::uint32_t a = alpha.present() ? alpha.extract(value) : 255;
                    anyAlpha = anyAlpha || a != 0;
                    argb = (a << 24) | (red.extract(value) << 16) | (green.extract(value) << 8) |
                           blue.extract(value);
                }
                bitmap.setPixel(x, y, argb);
            }
        }
        if (alpha.present() && !anyAlpha) {
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x)
                    bitmap.setPixel(x, y, bitmap.pixel(x, y) | 0xFF000000u);
            }
        }
        return bitmap;
    }

    std::span<const std::uint8_t> bytes_;
    Header header_;
    std::int64_t pixelOffset_ = 0;
    std::int64_t rows_ = 0;
    std::int64_t stride_ = 0;
    std::vector<std::uint32_t> palette_;
    std::wstring error_;
};

} // namespace

Bitmap::LoadResult BitmapFormat::decode(std::span<const std::uint8_t> bytes) {
    return Decoder(bytes).run();
}

std::vector<std::uint8_t> BitmapFormat::encode24(const Bitmap& bitmap) {
    return core::encodeBmp24(bitmap.width(), bitmap.height(), bitmap.pixels());
}

} // namespace ui
