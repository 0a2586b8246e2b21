#pragma once
// MFC's CBrush over a table of brushes: a brush is a solid colour or the null (hollow) brush.
// Stock brushes and system-colour brushes live for the whole run; a CBrush owns the brush it
// created until DeleteObject or destruction.

#include "platform/ui/graphics/WinGdi.h"

namespace ui {
// What a brush paints with.
struct BrushInfo {
    bool hollow = true;
    COLORREF colour = 0;
};
// A null or unknown handle paints nothing (hollow).
BrushInfo brushInfo(HBRUSH brush);
} // namespace ui

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    ~CBrush();
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    // FALSE when a brush is held already.
    BOOL CreateSolidBrush(COLORREF colour);
    BOOL CreateStockObject(int object);
    BOOL DeleteObject();
    HBRUSH GetSafeHandle() const { return handle_; }
    operator HBRUSH() const { return handle_; }

private:
    HBRUSH handle_ = nullptr;
    bool owned_ = false;
};
