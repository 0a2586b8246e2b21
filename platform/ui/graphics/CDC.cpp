#include "platform/ui/graphics/CDC.h"

#include "platform/ui/graphics/BitmapTable.h"
#include "platform/ui/graphics/CBitmap.h"
#include "platform/ui/graphics/CBrush.h"
#include "platform/ui/graphics/CPen.h"
#include "platform/ui/graphics/IconTable.h"
#include "platform/ui/windows/CFont.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kDefaultFontHeight = 13;
constexpr COLORREF kInvalidColour = 0xFFFFFFFF;

std::uint32_t opaque(COLORREF colour) {
    return ui::Bitmap::argbOf(colour) | 0xFF000000u;
}

} // namespace

CDC::~CDC() {
    storeSelectedBitmap();
}

BOOL CDC::CreateCompatibleDC(CDC*) {
    if (isMemory_ || surface_ != nullptr) {
        return FALSE;
    }
    isMemory_ = true;
    return TRUE;
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    return std::exchange(textColour_, colour);
}

COLORREF CDC::SetBkColor(COLORREF colour) {
    return std::exchange(bkColour_, colour);
}

int CDC::SetBkMode(int mode) {
    return std::exchange(bkMode_, mode);
}

CPen* CDC::SelectObject(CPen* pen) {
    if (pen != nullptr) {
        penStyle_ = pen->style();
        penWidth_ = pen->width();
        penColour_ = pen->colour();
    }
    return std::exchange(pen_, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (brush != nullptr) {
        const ui::BrushInfo info = ui::brushInfo(brush->GetSafeHandle());
        brushHollow_ = info.hollow;
        brushColour_ = info.colour;
    }
    return std::exchange(brush_, brush);
}

CFont* CDC::SelectObject(CFont* font) {
    return std::exchange(font_, font);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (!isMemory_) {
        return nullptr;
    }
    storeSelectedBitmap();
    CBitmap* previous = std::exchange(selectedBitmap_, bitmap);
    memory_.reset();
    surface_ = nullptr;
    if (bitmap != nullptr) {
        if (const auto picture = bitmap->picture()) {
            memory_ = std::make_unique<ui::Bitmap>(*picture);
            surface_ = memory_.get();
        }
    }
    return previous;
}

void CDC::storeSelectedBitmap() {
    if (selectedBitmap_ != nullptr && memory_ != nullptr &&
        selectedBitmap_->GetSafeHandle() != nullptr) {
        ui::BitmapTable::replace(selectedBitmap_->GetSafeHandle(), *memory_);
    }
}

void CDC::plot(int x, int y, COLORREF colour) {
    if (surface_ != nullptr) {
        surface_->setPixel(x, y, opaque(colour));
    }
}

COLORREF CDC::SetPixel(int x, int y, COLORREF colour) {
    plot(x, y, colour);
    return colour;
}

COLORREF CDC::GetPixel(int x, int y) const {
    if (surface_ == nullptr || x < 0 || y < 0 || x >= surface_->width() ||
        y >= surface_->height()) {
        return kInvalidColour;
    }
    return ui::Bitmap::colorRefOf(surface_->pixel(x, y));
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(position_, CPoint(x, y));
}

// Bresenham, the end point excluded as GDI does; dotted pens skip every other pixel.
void CDC::line(int x0, int y0, int x1, int y1) {
    if (penStyle_ == PS_NULL) {
        return;
    }
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int step = 0;
    while (x0 != x1 || y0 != y1) {
        const bool on =
            penStyle_ == PS_SOLID || (penStyle_ == PS_DOT ? step % 2 == 0 : step % 8 < 5);
        if (on) {
            for (int w = 0; w < penWidth_; ++w) {
                plot(dx >= -dy ? x0 : x0 + w, dx >= -dy ? y0 + w : y0, penColour_);
            }
        }
        ++step;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

BOOL CDC::LineTo(int x, int y) {
    line(position_.x, position_.y, x, y);
    position_ = CPoint(x, y);
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    CRect rect(left, top, right, bottom);
    rect.NormalizeRect();
    if (!brushHollow_) {
        FillSolidRect(rect.left + 1, rect.top + 1, rect.Width() - 2, rect.Height() - 2,
                      brushColour_);
    }
    if (penStyle_ != PS_NULL && !rect.IsRectEmpty()) {
        line(rect.left, rect.top, rect.right - 1, rect.top);
        line(rect.right - 1, rect.top, rect.right - 1, rect.bottom - 1);
        line(rect.right - 1, rect.bottom - 1, rect.left, rect.bottom - 1);
        line(rect.left, rect.bottom - 1, rect.left, rect.top);
    }
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT rect) {
    return rect != nullptr ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF colour) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            plot(column, row, colour);
        }
    }
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour) {
    if (rect != nullptr) {
        FillSolidRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                      colour);
    }
}

void CDC::FillRect(LPCRECT rect, HBRUSH brush) {
    const ui::BrushInfo info = ui::brushInfo(brush);
    if (!info.hollow) {
        FillSolidRect(rect, info.colour);
    }
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    if (brush != nullptr) {
        FillRect(rect, brush->GetSafeHandle());
    }
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
    if (rect == nullptr || brush == nullptr) {
        return;
    }
    const CRect r(*rect);
    const CRect edges[] = {{r.left, r.top, r.right, r.top + 1},
                           {r.left, r.bottom - 1, r.right, r.bottom},
                           {r.left, r.top, r.left + 1, r.bottom},
                           {r.right - 1, r.top, r.right, r.bottom}};
    for (const CRect& edge : edges) {
        FillRect(&edge, brush);
    }
}

void CDC::DrawFocusRect(LPCRECT rect) {
    if (rect == nullptr || surface_ == nullptr) {
        return;
    }
    const CRect r(*rect);
    const auto invert = [this](int x, int y) {
        surface_->setPixel(x, y, surface_->pixel(x, y) ^ 0x00FFFFFFu);
    };
    for (int x = r.left; x < r.right; x += 2) {
        invert(x, r.top);
        invert(x, r.bottom - 1);
    }
    for (int y = r.top + 2; y < r.bottom - 1; y += 2) {
        invert(r.left, y);
        invert(r.right - 1, y);
    }
}

CSize CDC::GetTextExtent(const std::wstring& text) const {
    const int height =
        font_ != nullptr && font_->height() != 0 ? std::abs(font_->height()) : kDefaultFontHeight;
    const int bold = font_ != nullptr && font_->weight() >= 700 ? 1 : 0;
    return {static_cast<int>(text.size()) * (height / 2 + bold), height};
}

BOOL CDC::TextOut(int x, int y, const std::wstring& text) {
    const CSize extent = GetTextExtent(text);
    if (bkMode_ == OPAQUE) {
        FillSolidRect(x, y, extent.cx, extent.cy, bkColour_);
    }
    const int advance = text.empty() ? 0 : extent.cx / static_cast<int>(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L' ') {
            continue;
        }
        const int left = x + static_cast<int>(i) * advance + 1;
        const int right = left + advance - 2;
        const int top = y + 2;
        const int bottom = y + extent.cy - 2;
        for (int column = left; column < right; ++column) {
            plot(column, top, textColour_);
            plot(column, bottom - 1, textColour_);
        }
        for (int row = top; row < bottom; ++row) {
            plot(left, row, textColour_);
            plot(right - 1, row, textColour_);
        }
    }
    return TRUE;
}

int CDC::DrawText(const std::wstring& text, LPRECT rect, UINT format) {
    if (rect == nullptr) {
        return 0;
    }
    const CSize extent = GetTextExtent(text);
    int x = rect->left;
    if ((format & DT_CENTER) != 0) {
        x = rect->left + (rect->right - rect->left - extent.cx) / 2;
    } else if ((format & DT_RIGHT) != 0) {
        x = rect->right - extent.cx;
    }
    int y = rect->top;
    if ((format & DT_VCENTER) != 0) {
        y = rect->top + (rect->bottom - rect->top - extent.cy) / 2;
    }
    TextOut(x, y, text);
    return extent.cy;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop) {
    if (source == nullptr || source->surface_ == nullptr || surface_ == nullptr) {
        return FALSE;
    }
    if (rop != SRCCOPY && rop != SRCAND && rop != SRCPAINT && rop != SRCINVERT &&
        rop != NOTSRCCOPY && rop != MERGEPAINT) {
        return FALSE;
    }
    // A copy, so that a DC may copy within its own picture.
    const ui::Bitmap from = *source->surface_;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const int sx = sourceX + column;
            const int sy = sourceY + row;
            const int dx = x + column;
            const int dy = y + row;
            if (sx < 0 || sy < 0 || sx >= from.width() || sy >= from.height() || dx < 0 || dy < 0 ||
                dx >= surface_->width() || dy >= surface_->height()) {
                continue;
            }
            const std::uint32_t s = from.pixel(sx, sy) & 0xFFFFFFu;
            const std::uint32_t d = surface_->pixel(dx, dy) & 0xFFFFFFu;
            std::uint32_t result = s;
            switch (rop) {
            case SRCAND:
                result = s & d;
                break;
            case SRCPAINT:
                result = s | d;
                break;
            case SRCINVERT:
                result = s ^ d;
                break;
            case NOTSRCCOPY:
                result = ~s;
                break;
            case MERGEPAINT:
                result = ~s | d;
                break;
            default:
                break;
            }
            surface_->setPixel(dx, dy, (result & 0xFFFFFFu) | 0xFF000000u);
        }
    }
    return TRUE;
}

void CDC::drawMasked(int x, int y, const ui::Bitmap& picture, const ui::BitmapMask& mask) {
    if (surface_ == nullptr) {
        return;
    }
    for (int row = 0; row < picture.height(); ++row) {
        for (int column = 0; column < picture.width(); ++column) {
            if (!mask.isTransparent(column, row)) {
                surface_->setPixel(x + column, y + row, picture.pixel(column, row) | 0xFF000000u);
            }
        }
    }
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    const auto picture = ui::IconTable::find(icon);
    if (!picture || surface_ == nullptr) {
        return FALSE;
    }
    for (int row = 0; row < picture->height(); ++row) {
        for (int column = 0; column < picture->width(); ++column) {
            const std::uint32_t pixel = picture->pixel(column, row);
            if ((pixel & 0xFF000000u) != 0) {
                surface_->setPixel(x + column, y + row, pixel | 0xFF000000u);
            }
        }
    }
    return TRUE;
}
