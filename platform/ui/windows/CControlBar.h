#pragma once
// CControlBar: a bar that a CFrameWnd docks on one of its edges or lets float. The bar knows
// the sides it may dock on (EnableDocking), whether it is docked and where
// (AFX_IDW_DOCKBAR_LEFT / RIGHT / TOP / BOTTOM), or that it floats with a rectangle.

#include "platform/ui/windows/CWnd.h"

class CFrameWnd;

// Docking sides (MFC values).
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;

// Dock bar ids of the frame's edges and of floating bars (MFC values).
constexpr UINT AFX_IDW_DOCKBAR_TOP = 0xE81B;
constexpr UINT AFX_IDW_DOCKBAR_LEFT = 0xE81C;
constexpr UINT AFX_IDW_DOCKBAR_RIGHT = 0xE81D;
constexpr UINT AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;
constexpr UINT AFX_IDW_DOCKBAR_FLOAT = 0xE81F;

class CControlBar : public CWnd {
public:
    CControlBar() = default;
    ~CControlBar() override;

    // The sides (CBRS_ALIGN_*) this bar may dock on.
    void EnableDocking(DWORD dockStyle) { dockStyle_ = dockStyle & CBRS_ALIGN_ANY; }
    DWORD dockStyle() const { return dockStyle_; }
    BOOL IsFloating() const { return floating_; }
    // The dock bar id of the side the bar is docked on; 0 when it floats or is not placed.
    UINT dockBarId() const { return floating_ ? 0 : dockBarId_; }
    // The rectangle (screen) of the floating bar.
    const CRect& floatingRect() const { return floatingRect_; }
    CFrameWnd* GetDockingFrame() const { return frame_; }
    // Visible itself (a hidden frame aside).
    BOOL IsVisible() const { return (GetStyle() & WS_VISIBLE) != 0; }

private:
    friend class CFrameWnd;

    CFrameWnd* frame_ = nullptr;
    DWORD dockStyle_ = 0;
    UINT dockBarId_ = 0;
    bool floating_ = false;
    CRect floatingRect_;
};
