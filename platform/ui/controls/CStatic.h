#pragma once
// CStatic: a text or picture control. With SS_BITMAP / SS_ICON it shows the picture whose
// handle it holds.

#include "platform/ui/windows/CWnd.h"

class CStatic : public CWnd {
public:
    CStatic() = default;

    BOOL Create(const std::wstring& text, DWORD style, const RECT& rect, CWnd* parent,
                UINT id = 0xFFFF);
    // Returns the previous handle.
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const { return bitmap_; }
    HICON SetIcon(HICON icon);
    HICON GetIcon() const { return icon_; }

protected:
    void takeOverState(CWnd& original) override;
    // The colours come from the parent (WM_CTLCOLORSTATIC): a hollow brush leaves the
    // background as it is, so that what is below shows through.
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnPaint() override;

private:
    HBITMAP bitmap_ = nullptr;
    HICON icon_ = nullptr;
};
