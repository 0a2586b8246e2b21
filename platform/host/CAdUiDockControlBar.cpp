#include "platform/host/CAdUiDockControlBar.h"

#include "platform/host/ControlBarPlacement.h"
#include "platform/ui/windows/CFrameWnd.h"

namespace {

DWORD sideOf(UINT dockBarId) {
    switch (dockBarId) {
    case AFX_IDW_DOCKBAR_TOP:
        return CBRS_ALIGN_TOP;
    case AFX_IDW_DOCKBAR_LEFT:
        return CBRS_ALIGN_LEFT;
    case AFX_IDW_DOCKBAR_RIGHT:
        return CBRS_ALIGN_RIGHT;
    case AFX_IDW_DOCKBAR_BOTTOM:
        return CBRS_ALIGN_BOTTOM;
    default:
        return 0;
    }
}

} // namespace

BOOL CAdUiDockControlBar::Create(const wchar_t* className, const wchar_t* title, DWORD style,
                                 const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(className, title == nullptr ? L"" : title, style, rect, parent, id);
}

int CAdUiDockControlBar::OnCreate(LPCREATESTRUCT createStruct) {
    if (CControlBar::OnCreate(createStruct) == -1)
        return -1;
    return CreateControlBar(createStruct) ? 0 : -1;
}

BOOL CAdUiDockControlBar::CreateControlBar(LPCREATESTRUCT) {
    return TRUE;
}

void CAdUiDockControlBar::SizeChanged(CRect*, BOOL, int) {}

bool CAdUiDockControlBar::OnClosing() {
    return true;
}

void CAdUiDockControlBar::OnSize(UINT type, int cx, int cy) {
    CControlBar::OnSize(type, cx, cy);
    CRect rect(0, 0, cx, cy);
    SizeChanged(&rect, IsFloating(), 0);
}

void CAdUiDockControlBar::OnClose() {
    if (!OnClosing())
        return;
    savePlacement();
    if (CFrameWnd* frame = dynamic_cast<CFrameWnd*>(GetParent()))
        frame->ShowControlBar(this, FALSE, FALSE);
    else
        ShowWindow(SW_HIDE);
}

void CAdUiDockControlBar::OnDestroy() {
    savePlacement();
    CControlBar::OnDestroy();
}

bool CAdUiDockControlBar::savePlacement() const {
    if (toolId_.isNull())
        return false;
    host::ControlBarPlacement placement;
    if (IsFloating()) {
        placement.dockBarId = AFX_IDW_DOCKBAR_FLOAT;
        placement.floatingRect = floatingRect();
    } else if (dockBarId() != 0) {
        placement.dockBarId = dockBarId();
    } else {
        return false;
    }
    return placement.save(toolId_);
}

void CAdUiDockControlBar::InitFloatingPosition(CRect* rect) {
    if (rect != nullptr)
        initialFloatingRect_ = *rect;
}

bool CAdUiDockControlBar::RestoreControlBar(UINT defaultDockBar, CRect* initialPosition) {
    if (GetSafeHwnd() == nullptr || dynamic_cast<CFrameWnd*>(GetParent()) == nullptr)
        return false;
    if (!toolId_.isNull()) {
        if (const auto saved = host::ControlBarPlacement::load(toolId_);
            saved && placeAt(saved->dockBarId, saved->floatingRect))
            return true;
    }
    const CRect floating = initialPosition != nullptr ? *initialPosition : initialFloatingRect_;
    return placeAt(defaultDockBar, floating);
}

bool CAdUiDockControlBar::placeAt(UINT dockBarId, const CRect& floatingRect) {
    auto* frame = dynamic_cast<CFrameWnd*>(GetParent());
    if (frame == nullptr)
        return false;
    if (dockBarId == AFX_IDW_DOCKBAR_FLOAT) {
        if (floatingRect.Width() <= 0 || floatingRect.Height() <= 0)
            return false;
        SetWindowPos(nullptr, 0, 0, floatingRect.Width(), floatingRect.Height(),
                     SWP_NOMOVE | SWP_NOZORDER);
        frame->FloatControlBar(this, floatingRect.TopLeft());
        return true;
    }
    const DWORD side = sideOf(dockBarId);
    if (side == 0 || (dockStyle() & side) == 0)
        return false;
    return frame->DockControlBar(this, dockBarId);
}
