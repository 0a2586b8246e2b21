#pragma once

#include "platform/host/CAcUiDockControlBar.h"
#include "platform/ui/dialogs/CDialog.h"

#include <memory>

// A docking bar that hosts one modeless dialog, created as the bar's child from its template
// once the bar's own window exists, and kept filling the bar. The bar owns the dialog.
class CTfDockControlBar : public CAcUiDockControlBar {
public:
    CTfDockControlBar() = default;
    ~CTfDockControlBar() override;

    using CAcUiDockControlBar::Create;
    // Creates the bar as a child of parent with the given title (style child, visible, clip
    // children; 250 by 200 pixels; control id 0), and with it the hosted dialog.
    virtual BOOL Create(CWnd* parent, const wchar_t* title);

    // The dialog to host and its template; set before the bar is created.
    void setHostedDialog(std::unique_ptr<CDialog> dialog, UINT templateId);
    CDialog* hostedDialog() const { return dialog_.get(); }
    UINT hostedTemplateId() const { return templateId_; }

    int floatingWidth() const { return floatingWidth_; }
    int floatingHeight() const { return floatingHeight_; }
    void setFloatingSize(int width, int height);

    // The window class of the bar: double-click notification and the arrow cursor.
    static constexpr const wchar_t* kWindowClass = L"TfDockControlBar";

protected:
    void SizeChanged(CRect* rect, BOOL floating, int flags) override;
    bool OnClosing() override;
    BOOL CreateControlBar(LPCREATESTRUCT createStruct) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    std::unique_ptr<CDialog> dialog_;
    UINT templateId_ = 0;
    int floatingWidth_ = 400;
    int floatingHeight_ = 500;
};
