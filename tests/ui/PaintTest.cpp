// Painting: device contexts drawing into pictures (lines, rectangles, raster operations, the
// white mask, memory DCs), windows painted through WM_ERASEBKGND / WM_PAINT, and the colours a
// static control gets from its parent (transparent backgrounds for pictures behind controls).

#include "platform/ui/controls/CColorStatic.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/graphics/BitmapTable.h"
#include "platform/ui/graphics/CBitmap.h"
#include "platform/ui/graphics/CBrush.h"
#include "platform/ui/graphics/CDC.h"
#include "platform/ui/graphics/CPaintDC.h"
#include "platform/ui/graphics/CPen.h"
#include "platform/ui/graphics/WindowPainter.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using ui::Bitmap;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kFace = RGB(240, 240, 240);

TEST(DeviceContextTest, LinesAndRectanglesUseThePenAndBrush) {
    Bitmap picture(20, 20, 0xFFFFFFFF);
    CDC dc(picture);
    CPen red(PS_SOLID, 1, kRed);
    dc.SelectObject(&red);
    dc.MoveTo(2, 2);
    dc.LineTo(8, 2);
    EXPECT_EQ(dc.GetPixel(2, 2), kRed);
    EXPECT_EQ(dc.GetPixel(7, 2), kRed);
    EXPECT_EQ(dc.GetPixel(8, 2), kWhite) << "the end point is not drawn";

    CBrush blue(RGB(0, 0, 255));
    dc.SelectObject(&blue);
    dc.Rectangle(10, 10, 15, 15);
    EXPECT_EQ(dc.GetPixel(10, 12), kRed) << "outline";
    EXPECT_EQ(dc.GetPixel(14, 14), kRed);
    EXPECT_EQ(dc.GetPixel(12, 12), RGB(0, 0, 255)) << "inside";
    EXPECT_EQ(dc.GetPixel(15, 15), kWhite) << "right and bottom excluded";

    CBrush hollow;
    hollow.CreateStockObject(NULL_BRUSH);
    dc.SelectObject(&hollow);
    dc.Rectangle(0, 10, 5, 15);
    EXPECT_EQ(dc.GetPixel(2, 12), kWhite);
    dc.FillSolidRect(-5, -5, 10, 10, kBlack); // clipped, no fault
    EXPECT_EQ(dc.GetPixel(0, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(-1, 0), 0xFFFFFFFFU);

    const CRect focus(4, 4, 9, 9);
    const Bitmap before = picture;
    dc.DrawFocusRect(&focus);
    EXPECT_NE(picture, before);
    dc.DrawFocusRect(&focus);
    EXPECT_EQ(picture, before) << "drawn twice it disappears";
}

struct RopCase {
    DWORD rop;
    COLORREF source;
    COLORREF destination;
    COLORREF expected;
};

class RasterOperationTest : public ::testing::TestWithParam<RopCase> {};

TEST_P(RasterOperationTest, CombinesSourceAndDestination) {
    const RopCase& c = GetParam();
    Bitmap from(2, 2, Bitmap::argbOf(c.source));
    Bitmap to(2, 2, Bitmap::argbOf(c.destination));
    CDC source(from);
    CDC target(to);
    ASSERT_TRUE(target.BitBlt(1, 0, 2, 2, &source, 0, 0, c.rop));
    EXPECT_EQ(target.GetPixel(1, 1), c.expected);
    EXPECT_EQ(target.GetPixel(0, 1), c.destination) << "outside the block";
}

INSTANTIATE_TEST_SUITE_P(Rops, RasterOperationTest,
                         ::testing::Values(RopCase{SRCCOPY, 0x123456, 0xABCDEF, 0x123456},
                                           RopCase{SRCAND, 0x00FF00, 0x0F0F0F, 0x000F00},
                                           RopCase{SRCPAINT, 0x00FF00, 0x0F0F0F, 0x0FFF0F},
                                           RopCase{SRCINVERT, 0xFFFFFF, 0x0F0F0F, 0xF0F0F0},
                                           RopCase{NOTSRCCOPY, 0x00FF00, 0x0F0F0F, 0xFF00FF},
                                           RopCase{MERGEPAINT, 0xFFFF00, 0x000F00, 0x000FFF}));

TEST(DeviceContextTest, WhiteMaskLetsTheBackgroundShowThrough) {
    Bitmap picture(3, 1, 0xFFFFFFFF);
    picture.setPixel(1, 0, Bitmap::argbOf(kRed));
    const ui::BitmapMask mask = picture.maskOf(kWhite);

    Bitmap direct(3, 1, Bitmap::argbOf(kFace));
    CDC dc(direct);
    dc.drawMasked(0, 0, picture, mask);
    EXPECT_EQ(dc.GetPixel(0, 0), kFace);
    EXPECT_EQ(dc.GetPixel(1, 0), kRed);

    // The Win32 way: the mask (white where transparent) with SRCAND, then the picture with its
    // transparent part black with SRCPAINT.
    Bitmap maskPicture(3, 1, 0xFF000000);
    Bitmap blackened = picture;
    for (int x = 0; x < 3; ++x) {
        if (mask.isTransparent(x, 0)) {
            maskPicture.setPixel(x, 0, 0xFFFFFFFF);
            blackened.setPixel(x, 0, 0xFF000000);
        }
    }
    Bitmap blitted(3, 1, Bitmap::argbOf(kFace));
    CDC target(blitted);
    CDC maskDc(maskPicture);
    CDC pictureDc(blackened);
    target.BitBlt(0, 0, 3, 1, &maskDc, 0, 0, SRCAND);
    target.BitBlt(0, 0, 3, 1, &pictureDc, 0, 0, SRCPAINT);
    EXPECT_EQ(blitted, direct);
}

TEST(DeviceContextTest, MemoryDcDrawsIntoTheSelectedBitmap) {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(nullptr, 4, 4));
    CDC window;
    EXPECT_EQ(window.SelectObject(&bitmap), nullptr) << "only a memory DC takes bitmaps";

    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    memory.FillSolidRect(0, 0, 4, 4, kRed); // nothing selected: draws nowhere
    memory.SelectObject(&bitmap);
    EXPECT_EQ(memory.GetPixel(1, 1), kBlack);
    memory.FillSolidRect(1, 1, 2, 2, kRed);
    memory.SelectObject(static_cast<CBitmap*>(nullptr));
    ASSERT_TRUE(bitmap.picture());
    EXPECT_EQ(Bitmap::colorRefOf(bitmap.picture()->pixel(1, 1)), kRed);
    EXPECT_EQ(Bitmap::colorRefOf(bitmap.picture()->pixel(0, 0)), kBlack);

    // A memory DC is a source for BitBlt.
    memory.SelectObject(&bitmap);
    Bitmap screen(4, 4, 0xFFFFFFFF);
    CDC target(screen);
    ASSERT_TRUE(target.BitBlt(0, 0, 4, 4, &memory, 0, 0, SRCCOPY));
    EXPECT_EQ(target.GetPixel(2, 2), kRed);
}

TEST(DeviceContextTest, TextTakesHalfTheFontHeightPerCharacter) {
    Bitmap picture(60, 20, 0xFFFFFFFF);
    CDC dc(picture);
    EXPECT_EQ(dc.GetTextExtent(L"abcd"), CSize(24, 13));
    dc.SetBkColor(kFace);
    dc.TextOut(0, 0, L"a b");
    EXPECT_EQ(dc.GetPixel(7, 6), kFace) << "opaque: the background of the space";
    EXPECT_EQ(dc.GetPixel(1, 5), kBlack) << "the glyph";
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(30, 0, L" ");
    EXPECT_EQ(dc.GetPixel(31, 5), kWhite);
}

// --- windows -------------------------------------------------------------------------------------

class PaintingWindow : public CWnd {
public:
    int paints = 0;
    bool transparentStatics = false;

protected:
    void OnPaint() override {
        ++paints;
        CPaintDC dc(this);
        dc.FillSolidRect(0, 0, 5, 5, kRed);
    }
    HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor) override {
        // As the designer does: statics show the picture behind them.
        if (transparentStatics && ctlColor == CTLCOLOR_STATIC) {
            dc->SetBkMode(TRANSPARENT);
            return GetStockBrush(NULL_BRUSH);
        }
        return CWnd::OnCtlColor(dc, window, ctlColor);
    }
};

class WindowPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 60),
                                    nullptr, 0));
        ASSERT_TRUE(label.Create(L"Hi", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 30), &window));
        ASSERT_TRUE(coloured.Create(L"Hi", WS_CHILD | WS_VISIBLE, CRect(10, 30, 50, 50), &window));
    }
    ui::WindowPainter& painter = ui::WindowPainter::instance();
    PaintingWindow window;
    CStatic label;
    CColorStatic coloured;
};

TEST_F(WindowPaintTest, BackgroundThenContentOnTheWindowsSurface) {
    const Bitmap& picture = painter.paint(window);
    ASSERT_EQ(picture.width(), 100);
    EXPECT_EQ(Bitmap::colorRefOf(picture.pixel(2, 2)), kRed);
    EXPECT_EQ(Bitmap::colorRefOf(picture.pixel(50, 50)), kFace) << "dialog face";
    EXPECT_EQ(window.paints, 1);

    window.UpdateWindow(); // invalid since its creation
    const int painted = window.paints;
    window.UpdateWindow();
    EXPECT_EQ(window.paints, painted) << "nothing invalid";
    window.Invalidate();
    window.UpdateWindow();
    EXPECT_EQ(window.paints, painted + 1);
}

TEST_F(WindowPaintTest, StaticsTakeTheirColoursFromTheParentOrThemselves) {
    auto colours = ui::WindowPainter::staticColours(label);
    EXPECT_FALSE(colours.transparentBackground);
    EXPECT_EQ(colours.background, kFace);
    const Bitmap& plain = painter.paint(label);
    EXPECT_EQ(plain.pixel(0, 0), Bitmap::argbOf(kFace));

    window.transparentStatics = true;
    colours = ui::WindowPainter::staticColours(label);
    EXPECT_TRUE(colours.transparentBackground);
    EXPECT_TRUE(colours.transparentText);
    const Bitmap& seeThrough = painter.paint(label);
    EXPECT_EQ(seeThrough.pixel(0, 0), 0U) << "left transparent for what is below";

    // A coloured static answers itself when the parent leaves the question to the default
    // (MFC's reflection); a parent that answers takes precedence.
    window.transparentStatics = false;
    coloured.SetTextColor(kRed);
    coloured.SetBkColor(RGB(0, 0, 128));
    colours = ui::WindowPainter::staticColours(coloured);
    EXPECT_FALSE(colours.transparentBackground);
    EXPECT_EQ(colours.background, RGB(0, 0, 128));
    EXPECT_EQ(colours.text, kRed);
    EXPECT_EQ(painter.paint(coloured).pixel(0, 0), Bitmap::argbOf(RGB(0, 0, 128)));
}

} // namespace
