#include "spreadsheet/editor/DlgSSAsTool.h"

#include "module/ResourceSwitch.h"
#include "platform/host/HostWindows.h"
#include "platform/ui/windows/WindowRegistry.h"
#include "spreadsheet/editor/CDlgSSAsTool.h"

#include <new>

DlgSSAsTool::DlgSSAsTool() = default;

DlgSSAsTool::~DlgSSAsTool() {
    if (!mWindow)
        return;
    if (mWindow->GetSafeHwnd() != nullptr)
        mWindow->DestroyWindow();
    // A message of the window may still be on its way through the dispatch.
    ui::WindowRegistry::instance().deleteLater(std::move(mWindow));
}

bool DlgSSAsTool::create() {
    if (mCreated)
        return true;
    frame::ResourceSwitch resources;
    CWnd* mainWindow = adsw_acadMainWnd();
    auto window = std::unique_ptr<CDlgSSAsTool>(new (std::nothrow) CDlgSSAsTool(mainWindow));
    if (!window || !window->Create(CDlgSSAsTool::IDD, mainWindow))
        return false;
    if (mainWindow != nullptr)
        mainWindow->SetFocus();
    mWindow = std::move(window);
    mCreated = true;
    return true;
}

Vdn_Spread* DlgSSAsTool::get() const {
    if (!mCreated || !mWindow || !mWindow->spread().isAttached())
        return nullptr;
    return &mWindow->spread();
}
