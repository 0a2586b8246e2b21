#include "spreadsheet/editor/DlgSSAsTool.h"

#include "module/ResourceSwitch.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/windows/WindowRegistry.h"
#include "spreadsheet/editor/CDlgSSAsTool.h"

#include <new>

DlgSSAsTool::DlgSSAsTool() = default;

DlgSSAsTool::~DlgSSAsTool() {
    if (!window_)
        return;
    if (window_->GetSafeHwnd() != nullptr)
        window_->DestroyWindow();
    // A message of the window may still be on its way through the dispatch.
    ui::WindowRegistry::instance().deleteLater(std::move(window_));
}

bool DlgSSAsTool::create() {
    if (created_)
        return true;
    frame::ResourceSwitch resources;
    CWnd* mainWindow = adsw_acadMainWnd();
    auto window = std::unique_ptr<CDlgSSAsTool>(new (std::nothrow) CDlgSSAsTool(mainWindow));
    if (!window || !window->Create(CDlgSSAsTool::IDD, mainWindow))
        return false;
    if (mainWindow != nullptr)
        mainWindow->SetFocus();
    window_ = std::move(window);
    created_ = true;
    return true;
}

Vdn_Spread* DlgSSAsTool::get() const {
    if (!created_ || !window_ || !window_->spread().isAttached())
        return nullptr;
    return &window_->spread();
}
