#include "platform/ui/windows/CFrameWnd.h"

#include <algorithm>

namespace {

// MFC's order when a bar may dock on several sides.
constexpr struct {
    UINT dockBarId;
    DWORD align;
} kSides[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
};

DWORD alignOf(UINT dockBarId) {
    for (const auto& side : kSides) {
        if (side.dockBarId == dockBarId) {
            return side.align;
        }
    }
    return 0;
}

} // namespace

CFrameWnd::~CFrameWnd() {
    for (CControlBar* bar : bars_) {
        bar->frame_ = nullptr;
    }
}

void CFrameWnd::remember(CControlBar* bar) {
    if (std::find(bars_.begin(), bars_.end(), bar) == bars_.end()) {
        bars_.push_back(bar);
    }
    bar->frame_ = this;
}

void CFrameWnd::forget(CControlBar* bar) {
    bars_.erase(std::remove(bars_.begin(), bars_.end(), bar), bars_.end());
}

bool CFrameWnd::DockControlBar(CControlBar* bar, UINT dockBarId, LPCRECT) {
    if (bar == nullptr || bar->GetSafeHwnd() == nullptr || bar->GetParent() != this) {
        return false;
    }
    const DWORD allowed = bar->dockStyle() & dockStyle_;
    if (dockBarId == 0) {
        for (const auto& side : kSides) {
            if ((allowed & side.align) != 0) {
                dockBarId = side.dockBarId;
                break;
            }
        }
    }
    if (dockBarId == 0 || (allowed & alignOf(dockBarId)) == 0) {
        return false;
    }
    remember(bar);
    bar->dockBarId_ = dockBarId;
    bar->floating_ = false;
    RecalcLayout();
    return true;
}

void CFrameWnd::FloatControlBar(CControlBar* bar, CPoint point, DWORD) {
    if (bar == nullptr || bar->GetSafeHwnd() == nullptr) {
        return;
    }
    remember(bar);
    CRect rect;
    bar->GetWindowRect(&rect);
    bar->floating_ = true;
    bar->floatingRect_ = CRect(point, rect.Size());
    // A floating bar sits in the frame's client coordinates at the screen point.
    CPoint clientPoint = point;
    ScreenToClient(&clientPoint);
    bar->MoveWindow(clientPoint.x, clientPoint.y, rect.Width(), rect.Height());
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL) {
    if (bar == nullptr || bar->GetSafeHwnd() == nullptr) {
        return;
    }
    bar->ShowWindow(show ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void CFrameWnd::RecalcLayout() {
    if (GetSafeHwnd() == nullptr) {
        return;
    }
    CRect free;
    GetClientRect(&free);
    // Top and bottom bars first (full width), then left and right bars in what is left.
    for (UINT pass : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                      AFX_IDW_DOCKBAR_RIGHT}) {
        for (CControlBar* bar : bars_) {
            if (bar->GetSafeHwnd() == nullptr || bar->IsFloating() || bar->dockBarId() != pass ||
                !bar->IsVisible()) {
                continue;
            }
            CRect own;
            bar->GetWindowRect(&own);
            CRect place;
            switch (pass) {
            case AFX_IDW_DOCKBAR_TOP:
                place = CRect(free.left, free.top, free.right, free.top + own.Height());
                free.top = place.bottom;
                break;
            case AFX_IDW_DOCKBAR_BOTTOM:
                place = CRect(free.left, free.bottom - own.Height(), free.right, free.bottom);
                free.bottom = place.top;
                break;
            case AFX_IDW_DOCKBAR_LEFT:
                place = CRect(free.left, free.top, free.left + own.Width(), free.bottom);
                free.left = place.right;
                break;
            default:
                place = CRect(free.right - own.Width(), free.top, free.right, free.bottom);
                free.right = place.left;
                break;
            }
            bar->MoveWindow(&place);
        }
    }
}

void CFrameWnd::OnSize(UINT, int, int) {
    RecalcLayout();
}
