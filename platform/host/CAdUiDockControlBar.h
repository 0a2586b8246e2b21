#pragma once

#include "platform/host/Guid.h"
#include "platform/ui/windows/CControlBar.h"

// The host's docking bar for application content. The bar remembers its placement under its
// tool id: closing or destroying it saves where it is, RestoreControlBar puts it back there.
// The content is made in CreateControlBar, once the bar's own window exists; SizeChanged tells
// the content the rectangle it may use.
class CAdUiDockControlBar : public CControlBar {
public:
    CAdUiDockControlBar() = default;

    // Creates the bar's window as a child of parent (the host frame), then its content.
    virtual BOOL Create(const wchar_t* className, const wchar_t* title, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id);

    void SetToolID(const host::Guid& toolId) { toolId_ = toolId; }
    const host::Guid& toolId() const { return toolId_; }

    // Places the created bar where it was when it last closed. Without a saved placement (or
    // when the bar may no longer dock there) it docks on defaultDockBar; with
    // AFX_IDW_DOCKBAR_FLOAT it floats at initialPosition, else at the initial floating
    // position. False when the bar is not created, its parent is no frame or no placement
    // works.
    bool RestoreControlBar(UINT defaultDockBar = AFX_IDW_DOCKBAR_LEFT,
                           CRect* initialPosition = nullptr);
    // The rectangle (screen) the bar takes when it floats without a saved placement.
    void InitFloatingPosition(CRect* rect);
    const CRect& initialFloatingRect() const { return initialFloatingRect_; }

    // Saves the current placement under the tool id; false without a tool id, for a bar that
    // is not placed, or when the registry refuses.
    bool savePlacement() const;

protected:
    // Makes the content of the bar; FALSE fails the bar's creation.
    virtual BOOL CreateControlBar(LPCREATESTRUCT createStruct);
    // The bar's client rectangle changed; rect is what the content may use.
    virtual void SizeChanged(CRect* rect, BOOL floating, int flags);
    // The user closes the bar; false keeps it open.
    virtual bool OnClosing();

    int OnCreate(LPCREATESTRUCT createStruct) override;
    void OnSize(UINT type, int cx, int cy) override;
    // Closing hides the bar (after OnClosing agreed) and saves its placement.
    void OnClose() override;
    void OnDestroy() override;

private:
    bool placeAt(UINT dockBarId, const CRect& floatingRect);

    host::Guid toolId_;
    CRect initialFloatingRect_{0, 0, 200, 300};
};
