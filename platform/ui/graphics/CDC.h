#pragma once
// CDC: a device context that draws into a ui::Bitmap: lines with the selected pen, rectangles
// filled with the selected brush, solid fills, text, pictures (BitBlt with the raster
// operations below, icons, masked pictures). Coordinates are pixels of the picture; drawing
// outside it is clipped.
//
// A memory DC (CreateCompatibleDC) draws into the bitmap selected into it (SelectObject with a
// CBitmap); what is drawn is stored back into that bitmap when it is selected out or the DC
// ends. A DC without a picture draws nothing.
//
// Text uses a simple built-in face: every character takes half the font height in width (as
// the spreadsheet's text metrics), and is drawn as a box glyph; spaces stay empty. A renderer
// with real fonts draws text itself.

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/WinGdi.h"

#include <memory>
#include <string>

class CBitmap;
class CBrush;
class CFont;
class CPen;

class CDC {
public:
    // A DC that draws nowhere until CreateCompatibleDC and a bitmap selected into it.
    CDC() = default;
    // A DC that draws into `surface` (which must outlive it).
    explicit CDC(ui::Bitmap& surface) : surface_(&surface) {}
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(CDC* dc);
    // The picture drawn into, or null.
    ui::Bitmap* surface() const { return surface_; }

    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const { return textColour_; }
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const { return bkColour_; }
    // TRANSPARENT or OPAQUE (text background).
    int SetBkMode(int mode);
    int GetBkMode() const { return bkMode_; }

    // Each returns the object selected before (null the first time).
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);

    CPoint MoveTo(int x, int y);
    // A line from the current position up to (not including) the end point, with the pen.
    BOOL LineTo(int x, int y);
    // Outline with the pen, inside filled with the brush (right and bottom excluded).
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect);
    void FillRect(LPCRECT rect, CBrush* brush);
    void FillRect(LPCRECT rect, HBRUSH brush);
    void FillSolidRect(LPCRECT rect, COLORREF colour);
    void FillSolidRect(int x, int y, int width, int height, COLORREF colour);
    // A one-pixel frame with the brush.
    void FrameRect(LPCRECT rect, CBrush* brush);
    // The dotted focus frame (inverts every other pixel of the border).
    void DrawFocusRect(LPCRECT rect);
    COLORREF SetPixel(int x, int y, COLORREF colour);
    // CLR_INVALID (0xFFFFFFFF) outside the picture.
    COLORREF GetPixel(int x, int y) const;

    CSize GetTextExtent(const std::wstring& text) const;
    BOOL TextOut(int x, int y, const std::wstring& text);
    // One line in the rectangle, aligned by DT_LEFT / DT_CENTER / DT_RIGHT and DT_VCENTER;
    // returns the text height.
    int DrawText(const std::wstring& text, LPRECT rect, UINT format);

    // Copies a block of the source DC's picture with a raster operation: SRCCOPY, SRCAND,
    // SRCPAINT, SRCINVERT, NOTSRCCOPY or MERGEPAINT. FALSE without a source picture or for
    // another operation.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                DWORD rop);
    // The picture at its natural size; pixels that the mask marks transparent (white in the
    // white mask) leave what is below.
    void drawMasked(int x, int y, const ui::Bitmap& picture, const ui::BitmapMask& mask);
    // The icon at its natural size, through its transparency.
    BOOL DrawIcon(int x, int y, HICON icon);
    BOOL DrawIcon(POINT point, HICON icon) { return DrawIcon(point.x, point.y, icon); }

protected:
    void attach(ui::Bitmap& surface) { surface_ = &surface; }

private:
    void plot(int x, int y, COLORREF colour);
    void line(int x0, int y0, int x1, int y1);
    void storeSelectedBitmap();

    ui::Bitmap* surface_ = nullptr;
    // The copy a memory DC draws into, stored back into selectedBitmap_.
    std::unique_ptr<ui::Bitmap> memory_;
    bool isMemory_ = false;
    CBitmap* selectedBitmap_ = nullptr;
    CPen* pen_ = nullptr;
    CBrush* brush_ = nullptr;
    CFont* font_ = nullptr;
    CPoint position_;
    COLORREF textColour_ = 0;
    COLORREF bkColour_ = 0xFFFFFF;
    int bkMode_ = OPAQUE;
    int penStyle_ = PS_SOLID;
    int penWidth_ = 1;
    COLORREF penColour_ = 0;
    bool brushHollow_ = false;
    COLORREF brushColour_ = 0xFFFFFF;
};
