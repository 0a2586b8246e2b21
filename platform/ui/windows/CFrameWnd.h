#pragma once
// CFrameWnd: the host's main frame, which hosts control bars. Docked bars are laid out along
// the frame's client edges (top and bottom bars take the full width, left and right bars the
// height between them), each with its own width or height; floating bars keep their own
// rectangle.

#include "platform/ui/windows/CControlBar.h"
#include "platform/ui/windows/CWnd.h"

#include <vector>

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    // The edges (CBRS_ALIGN_*) on which this frame accepts bars.
    void EnableDocking(DWORD dockStyle) { dockStyle_ = dockStyle & CBRS_ALIGN_ANY; }
    DWORD dockStyle() const { return dockStyle_; }
    // Docks the bar (a created child of this frame) on the given side (AFX_IDW_DOCKBAR_*), or,
    // with 0, on the first side both allow in MFC's order top, bottom, left, right. Nothing
    // happens when bar and frame have no side in common; the result tells.
    bool DockControlBar(CControlBar* bar, UINT dockBarId = 0, LPCRECT rect = nullptr);
    // Lets the bar float with its top-left corner at `point` (screen), keeping its size.
    void FloatControlBar(CControlBar* bar, CPoint point, DWORD style = CBRS_ALIGN_TOP);
    // Shows or hides the bar and lays the frame out again (at once; `delay` is accepted for
    // MFC compatibility).
    void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);
    // Positions the docked bars along the client edges.
    void RecalcLayout();
    // Bars placed by this frame, in placing order.
    const std::vector<CControlBar*>& controlBars() const { return bars_; }

protected:
    void OnSize(UINT type, int cx, int cy) override;

private:
    friend class CControlBar;
    void forget(CControlBar* bar);
    void remember(CControlBar* bar);

    DWORD dockStyle_ = 0;
    std::vector<CControlBar*> bars_;
};
