#include "module/CTfDockControlBar.h"

#include "module/ResourceSwitch.h"

CTfDockControlBar::~CTfDockControlBar() {
    // The hosted dialog goes with the bar's window, before the dialog object is deleted.
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

BOOL CTfDockControlBar::Create(CWnd* parent, const wchar_t* title) {
    return CAcUiDockControlBar::Create(kWindowClass, title, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                       CRect(0, 0, 250, 200), parent, 0);
}

void CTfDockControlBar::setHostedDialog(std::unique_ptr<CDialog> dialog, UINT templateId) {
    dialog_ = std::move(dialog);
    templateId_ = templateId;
}

void CTfDockControlBar::setFloatingSize(int width, int height) {
    floatingWidth_ = width;
    floatingHeight_ = height;
}

BOOL CTfDockControlBar::CreateControlBar(LPCREATESTRUCT createStruct) {
    if (!CAcUiDockControlBar::CreateControlBar(createStruct))
        return FALSE;
    return dialog_ && dialog_->Create(templateId_, this);
}

void CTfDockControlBar::OnSize(UINT type, int cx, int cy) {
    CAcUiDockControlBar::OnSize(type, cx, cy);
    if (dialog_ && dialog_->GetSafeHwnd() != nullptr) {
        CRect client;
        GetClientRect(&client);
        dialog_->MoveWindow(&client);
    }
}

void CTfDockControlBar::SizeChanged(CRect* rect, BOOL floating, int flags) {
    CAcUiDockControlBar::SizeChanged(rect, floating, flags);
    if (rect == nullptr || !dialog_ || dialog_->GetSafeHwnd() == nullptr)
        return;
    frame::ResourceSwitch resources;
    dialog_->SetWindowPos(nullptr, rect->left + 4, rect->top + 4, rect->Width(), rect->Height(),
                          SWP_NOZORDER);
}

bool CTfDockControlBar::OnClosing() {
    return CAcUiDockControlBar::OnClosing();
}
