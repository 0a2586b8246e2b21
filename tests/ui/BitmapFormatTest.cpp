#include "platform/ui/graphics/BitmapFormat.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

using ui::Bitmap;
using ui::BitmapFormat;

// Builds ".bmp" files field by field, independently of the module's own writer.
class BmpBuilder {
public:
    struct Layout {
        Layout(std::uint32_t headerSize_, int bits_, std::uint32_t compression_ = 0,
               bool topDown_ = false, std::vector<std::uint32_t> masks_ = {},
               std::vector<std::uint32_t> palette_ = {}, std::uint32_t colorsUsed_ = 0)
            : headerSize(headerSize_), bits(bits_), compression(compression_), topDown(topDown_),
              masks(std::move(masks_)), palette(std::move(palette_)), colorsUsed(colorsUsed_) {}

        std::uint32_t headerSize;
        int bits;
        std::uint32_t compression;
        bool topDown;
        std::vector<std::uint32_t> masks;   // r, g, b[, a]: in the header or after a 40-byte one
        std::vector<std::uint32_t> palette; // 0x00RRGGBB
        std::uint32_t colorsUsed;
    };

    // rows: pixel values per row from the top, already in the file's pixel format (palette
    // indexes, 16/32-bit raw values, or 0xRRGGBB for 24 bits).
    static std::vector<std::uint8_t> build(const Layout& layout, int width,
                                           const std::vector<std::vector<std::uint32_t>>& rows) {
        const int height = static_cast<int>(rows.size());
        const bool core = layout.headerSize == 12;
        const std::size_t maskBytes =
            layout.headerSize == 40 && (layout.compression == 3 || layout.compression == 6)
                ? layout.masks.size() * 4
                : 0;
        const std::size_t paletteBytes = layout.palette.size() * (core ? 3 : 4);
        const std::size_t stride = (static_cast<std::size_t>(width) * layout.bits + 31) / 32 * 4;
        const std::size_t offset = 14 + layout.headerSize + maskBytes + paletteBytes;

        std::vector<std::uint8_t> out;
        out.push_back('B');
        out.push_back('M');
        put32(out, static_cast<std::uint32_t>(offset + stride * height));
        put32(out, 0);
        put32(out, static_cast<std::uint32_t>(offset));
        put32(out, layout.headerSize);
        if (core) {
            put16(out, width);
            put16(out, height);
            put16(out, 1);
            put16(out, layout.bits);
        } else {
            put32(out, static_cast<std::uint32_t>(width));
            put32(out, static_cast<std::uint32_t>(layout.topDown ? -height : height));
            put16(out, 1);
            put16(out, layout.bits);
            put32(out, layout.compression);
            put32(out, static_cast<std::uint32_t>(stride * height));
            put32(out, 2835);
            put32(out, 2835);
            put32(out, layout.colorsUsed);
            put32(out, 0);
            if (layout.headerSize > 40) {
                for (std::size_t i = 0; i < (layout.headerSize == 52 ? 3u : 4u); ++i)
                    put32(out, i < layout.masks.size() ? layout.masks[i] : 0);
                out.resize(14 + layout.headerSize, 0); // colour space and the rest
            }
        }
        if (maskBytes > 0) {
            for (std::uint32_t mask : layout.masks)
                put32(out, mask);
        }
        for (std::uint32_t color : layout.palette) {
            out.push_back(static_cast<std::uint8_t>(color));
            out.push_back(static_cast<std::uint8_t>(color >> 8));
            out.push_back(static_cast<std::uint8_t>(color >> 16));
            if (!core)
                out.push_back(0);
        }
        for (int i = 0; i < height; ++i) {
            const auto& row = rows[static_cast<std::size_t>(layout.topDown ? i : height - 1 - i)];
            std::vector<std::uint8_t> bytes(stride, 0);
            for (int x = 0; x < width; ++x)
                putPixel(bytes, x, layout.bits, row[static_cast<std::size_t>(x)]);
            out.insert(out.end(), bytes.begin(), bytes.end());
        }
        return out;
    }

    static void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    static void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
        put16(out, v & 0xFFFF);
        put16(out, v >> 16);
    }
    static void set32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }

private:
    static void putPixel(std::vector<std::uint8_t>& row, int x, int bits, std::uint32_t v) {
        const auto ux = static_cast<std::size_t>(x);
        if (bits < 8) {
            const std::size_t bit = ux * static_cast<std::size_t>(bits);
            row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] | (v << (8 - bits - bit % 8)));
        } else {
            for (int i = 0; i < bits / 8; ++i)
                row[ux * static_cast<std::size_t>(bits / 8) + static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>(v >> (8 * i));
        }
    }
};

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF,
                        kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kYellow = 0xFFFFFF00;

// The picture every case encodes: 5 x 3 (odd width, so rows are padded), distinct rows so a
// flipped picture is noticed.
const std::vector<std::vector<std::uint32_t>> kPicture = {
    {kRed, kGreen, kBlue, kWhite, kBlack},
    {kBlack, kBlack, kYellow, kRed, kRed},
    {kWhite, kBlue, kBlue, kGreen, kYellow},
};

// The picture in a file's pixel format.
std::vector<std::vector<std::uint32_t>> encoded(std::uint32_t (*convert)(std::uint32_t)) {
    auto rows = kPicture;
    for (auto& row : rows) {
        for (auto& pixel : row)
            pixel = convert(pixel);
    }
    return rows;
}

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00,
                                             0x0000FF, 0xFFFFFF, 0xFFFF00};
// A core header has no colour count: its table always holds 2^bits entries.
std::vector<std::uint32_t> fullPalette() {
    std::vector<std::uint32_t> palette = kPalette;
    palette.resize(256, 0x123456);
    return palette;
}
std::uint32_t toIndex(std::uint32_t argb) {
    for (std::uint32_t i = 0; i < kPalette.size(); ++i) {
        if (kPalette[i] == (argb & 0xFFFFFF))
            return i;
    }
    return 0;
}
std::uint32_t to1Bit(std::uint32_t argb) {
    return (argb & 0xFFFFFF) == 0xFFFFFF ? 1 : 0;
}
std::uint32_t to24(std::uint32_t argb) {
    return argb & 0xFFFFFF;
}
std::uint32_t to555(std::uint32_t argb) {
    return ((argb >> 19 & 31) << 10) | ((argb >> 11 & 31) << 5) | (argb >> 3 & 31);
}
std::uint32_t to565(std::uint32_t argb) {
    return ((argb >> 19 & 31) << 11) | ((argb >> 10 & 63) << 5) | (argb >> 3 & 31);
}
std::uint32_t to32(std::uint32_t argb) {
    return argb & 0xFFFFFF;
} // alpha byte 0
std::uint32_t to32Garbage(std::uint32_t argb) {
    return 0x5A000000 | argb;
} // ignored byte
std::uint32_t toRgba(std::uint32_t argb) {
    return (argb << 8) | 0x80;
} // RRGGBBAA
std::uint32_t toHalfAlpha(std::uint32_t argb) {
    return (argb & 0xFFFFFF) | 0x80000000;
}

void expectPicture(const Bitmap& bitmap, const std::vector<std::vector<std::uint32_t>>& rows) {
    ASSERT_EQ(bitmap.width(), static_cast<int>(rows[0].size()));
    ASSERT_EQ(bitmap.height(), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            EXPECT_EQ(bitmap.pixel(x, y),
                      rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)])
                << "at " << x << "," << y;
        }
    }
}

TEST(BitmapFormat, ReadsEveryDepthHeaderAndOrientation) {
    using Layout = BmpBuilder::Layout;
    const auto withAlpha = [](std::uint32_t alpha) {
        auto rows = kPicture;
        for (auto& row : rows) {
            for (auto& pixel : row)
                pixel = (pixel & 0xFFFFFF) | (alpha << 24);
        }
        return rows;
    };
    std::vector<std::vector<std::uint32_t>> monochrome = kPicture;
    for (auto& row : monochrome) {
        for (auto& pixel : row)
            pixel = to1Bit(pixel) ? kWhite : kBlack;
    }
    struct Case {
        const char* label;
        Layout layout;
        std::uint32_t (*convert)(std::uint32_t);
        std::vector<std::vector<std::uint32_t>> expected;
    };
    const std::vector<std::uint32_t> mono = {0x000000, 0xFFFFFF};
    const Case cases[] = {
        {"1 bit", {40, 1, 0, false, {}, mono}, to1Bit, monochrome},
        {"1 bit top-down", {40, 1, 0, true, {}, mono}, to1Bit, monochrome},
        {"1 bit core header", {12, 1, 0, false, {}, mono}, to1Bit, monochrome},
        {"4 bit, short palette", {40, 4, 0, false, {}, kPalette, 6}, toIndex, kPicture},
        {"4 bit top-down", {40, 4, 0, true, {}, kPalette, 6}, toIndex, kPicture},
        {"8 bit", {40, 8, 0, false, {}, kPalette, 6}, toIndex, kPicture},
        {"8 bit core header", {12, 8, 0, false, {}, fullPalette()}, toIndex, kPicture},
        {"8 bit V5 top-down", {124, 8, 0, true, {}, kPalette, 6}, toIndex, kPicture},
        {"16 bit 5-5-5", {40, 16, 0, false}, to555, kPicture},
        {"16 bit 5-6-5 masks after header",
         {40, 16, 3, false, {0xF800, 0x07E0, 0x001F}},
         to565,
         kPicture},
        {"16 bit 5-6-5 V3 header", {56, 16, 3, true, {0xF800, 0x07E0, 0x001F}}, to565, kPicture},
        {"24 bit", {40, 24, 0, false}, to24, kPicture},
        {"24 bit top-down", {40, 24, 0, true}, to24, kPicture},
        {"24 bit core header", {12, 24, 0, false}, to24, kPicture},
        {"24 bit V4 header", {108, 24, 0, false}, to24, kPicture},
        {"32 bit", {40, 32, 0, false}, to32, kPicture},
        {"32 bit ignores the fourth byte", {40, 32, 0, true}, to32Garbage, kPicture},
        {"32 bit masks V2 header", {52, 32, 3, false, {0xFF0000, 0xFF00, 0xFF}}, to32, kPicture},
        {"32 bit RGBA masks V5",
         {124, 32, 3, false, {0xFF000000, 0xFF0000, 0xFF00, 0xFF}},
         toRgba,
         withAlpha(0x80)},
        {"32 bit alpha masks after header",
         {40, 32, 6, false, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
         toHalfAlpha,
         withAlpha(0x80)},
        {"32 bit alpha mask, alpha never filled",
         {108, 32, 3, false, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
         to32,
         kPicture},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const auto file = BmpBuilder::build(c.layout, 5, encoded(c.convert));
        const Bitmap::LoadResult result = BitmapFormat::decode(file);
        ASSERT_TRUE(result.ok()) << std::string(result.error.begin(), result.error.end());
        expectPicture(result.bitmap, c.expected);
    }
}

TEST(BitmapFormat, ScalesMaskedChannelsToEightBits) {
    // 5-6-5 pixel 0x8410: red 16/31, green 32/63, blue 16/31.
    const auto file =
        BmpBuilder::build({40, 16, 3, false, {0xF800, 0x07E0, 0x001F}}, 1, {{0x8410}});
    const Bitmap::LoadResult result = BitmapFormat::decode(file);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.bitmap.pixel(0, 0), 0xFF848284u);
}

TEST(BitmapFormat, PaletteIndexPastTheTableIsBlack) {
    const auto file =
        BmpBuilder::build({40, 8, 0, false, {}, {0xFFFFFF, 0x00FF00}, 2}, 3, {{0, 1, 200}});
    const Bitmap::LoadResult result = BitmapFormat::decode(file);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.bitmap.pixel(0, 0), kWhite);
    EXPECT_EQ(result.bitmap.pixel(1, 0), kGreen);
    EXPECT_EQ(result.bitmap.pixel(2, 0), kBlack);
}

TEST(BitmapFormat, EncodesTwentyFourBitFilesThatReadBack) {
    for (int width : {1, 2, 3, 4, 5, 13}) {
        SCOPED_TRACE(width);
        Bitmap bitmap(width, 3, 0x80123456); // alpha is not written
        bitmap.setPixel(0, 0, kRed);
        bitmap.setPixel(width - 1, 2, kBlue);
        const std::vector<std::uint8_t> file = BitmapFormat::encode24(bitmap);
        const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
        ASSERT_EQ(file.size(), 54 + stride * 3);
        EXPECT_EQ(file[28], 24); // bits per pixel
        const Bitmap::LoadResult read = BitmapFormat::decode(file);
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.bitmap.pixel(0, 0), kRed);
        EXPECT_EQ(read.bitmap.pixel(width - 1, 2), kBlue);
        EXPECT_EQ(read.bitmap.pixel(width / 2, 1), 0xFF123456u);
    }
    EXPECT_TRUE(BitmapFormat::encode24(Bitmap()).empty());
}

// Damaged headers: each gives a clear reason, never a picture.
TEST(BitmapFormat, RefusesDamagedAndAbsurdFiles) {
    const auto good = [] { return BmpBuilder::build({40, 24, 0, false}, 5, encoded(to24)); };
    const auto withField = [&](std::size_t at, std::uint32_t value) {
        auto file = good();
        BmpBuilder::set32(file, at, value);
        return file;
    };
    const auto withShort = [&](std::size_t at, std::uint16_t value) {
        auto file = good();
        file[at] = static_cast<std::uint8_t>(value);
        file[at + 1] = static_cast<std::uint8_t>(value >> 8);
        return file;
    };
    auto truncated = good();
    truncated.pop_back();
    auto wrongSignature = good();
    wrongSignature[0] = 'X';
    std::vector<std::uint8_t> headerOnly = good();
    headerOnly.resize(30);
    std::vector<std::uint8_t> masksMissing =
        BmpBuilder::build({40, 16, 3, false, {0xF800, 0x07E0, 0x001F}}, 1, {{0}});
    masksMissing.resize(14 + 40 + 4);
    auto paletteTruncated =
        BmpBuilder::build({40, 8, 0, false, {}, kPalette, 6}, 5, encoded(toIndex));
    paletteTruncated.resize(14 + 40 + 10);

    struct Case {
        const char* label;
        std::vector<std::uint8_t> file;
        const wchar_t* reason;
    };
    const Case cases[] = {
        {"empty", {}, L"too short"},
        {"signature only", {'B', 'M'}, L"too short"},
        {"wrong signature", wrongSignature, L"not a BMP"},
        {"OS/2 header", withField(14, 64), L"unsupported bitmap header size 64"},
        {"huge header size", withField(14, 0xFFFFFFF0u), L"unsupported bitmap header size"},
        {"header cut off", headerOnly, L"header is truncated"},
        {"zero width", withField(18, 0), L"invalid bitmap size"},
        {"negative width", withField(18, static_cast<std::uint32_t>(-5)), L"invalid bitmap size"},
        {"zero height", withField(22, 0), L"invalid bitmap size"},
        {"absurd size", withField(18, 0x10000000), L"too large"},
        {"most negative height", withField(22, 0x80000000u), L"too large"},
        {"two planes", withShort(26, 2), L"one plane"},
        {"7 bits", withShort(28, 7), L"bits per pixel: 7"},
        {"RLE8", withField(30, 1), L"RLE"},
        {"RLE4", withField(30, 2), L"RLE"},
        {"PNG inside", withField(30, 5), L"PNG"},
        {"unknown compression", withField(30, 9), L"unknown bitmap compression 9"},
        {"masks with 24 bits", withField(30, 3), L"16 or 32 bits"},
        {"masks missing", masksMissing, L"colour masks are truncated"},
        {"16-bit mask too wide",
         BmpBuilder::build({40, 16, 3, false, {0x1F800, 0x07E0, 0x001F}}, 1, {{0}}),
         L"does not fit"},
        {"palette larger than the depth",
         BmpBuilder::build({40, 1, 0, false, {}, kPalette, 6}, 1, {{0}}), L"too large for 1 bits"},
        {"palette truncated", paletteTruncated, L"colour table is truncated"},
        {"pixel offset into the header", withField(10, 20), L"points into the headers"},
        {"pixel offset past the end", withField(10, 0xFFFFFF00u), L"pixel data is truncated"},
        {"one byte short", truncated, L"pixel data is truncated"},
        {"core header with 32 bits",
         [] {
             auto file = BmpBuilder::build({12, 24, 0, false}, 1, {{0}});
             file[24] = 32;
             return file;
         }(),
         L"core header"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const Bitmap::LoadResult result = BitmapFormat::decode(c.file);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.bitmap.isEmpty());
        EXPECT_NE(result.error.find(c.reason), std::wstring::npos)
            << std::string(result.error.begin(), result.error.end());
    }
}

// Every prefix of a valid file is refused cleanly (the sanitizer build checks the reads).
TEST(BitmapFormat, EveryTruncationIsRefused) {
    const std::vector<std::vector<std::uint8_t>> files = {
        BmpBuilder::build({124, 32, 3, false, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}}, 5,
                          encoded(to32)),
        BmpBuilder::build({40, 4, 0, true, {}, kPalette, 6}, 5, encoded(toIndex)),
        BmpBuilder::build({12, 8, 0, false, {}, fullPalette()}, 5, encoded(toIndex)),
    };
    for (const auto& file : files) {
        ASSERT_TRUE(BitmapFormat::decode(file).ok());
        for (std::size_t length = 0; length < file.size(); ++length) {
            const std::span<const std::uint8_t> prefix(file.data(), length);
            EXPECT_FALSE(BitmapFormat::decode(prefix).ok()) << "length " << length;
        }
    }
}

} // namespace
