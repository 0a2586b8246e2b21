#include "platform/host/HostWindows.h"

#include "platform/ui/time/Clock.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <memory>

namespace {

struct HostWindows {
    HostWindows() {
        // Make sure the window system outlives the frame held here.
        ui::Clock::instance();
        ui::WindowRegistry::instance();
    }
    ~HostWindows() { destroy(); }

    CFrameWnd& frameWindow() {
        if (!frame) {
            frame = std::make_unique<CFrameWnd>();
            frame->Create(nullptr, L"AutoCAD", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                          CRect(0, 0, 1280, 800), nullptr, 0);
            frame->EnableDocking(CBRS_ALIGN_ANY);
            ui::setMainWindow(frame.get());
        }
        return *frame;
    }

    void destroy() {
        if (!frame)
            return;
        if (ui::WindowRegistry::instance().mainWindow() == frame.get())
            ui::setMainWindow(nullptr);
        frame->DestroyWindow();
        frame.reset();
    }

    std::unique_ptr<CFrameWnd> frame;
    int displayUpdates = 0;
};

HostWindows& hostWindows() {
    static HostWindows windows;
    return windows;
}

} // namespace

CWnd* adsw_acadMainWnd() {
    return &hostWindows().frameWindow();
}

CFrameWnd* acedGetAcadFrame() {
    return &hostWindows().frameWindow();
}

void acedUpdateDisplay() {
    ++hostWindows().displayUpdates;
}

namespace host {

int displayUpdateCount() {
    return hostWindows().displayUpdates;
}

void destroyMainWindow() {
    hostWindows().destroy();
    hostWindows().displayUpdates = 0;
}

} // namespace host
