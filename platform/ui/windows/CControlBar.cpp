#include "platform/ui/windows/CControlBar.h"

#include "platform/ui/windows/CFrameWnd.h"
#include "platform/ui/windows/WindowRegistry.h"

CControlBar::~CControlBar() {
    if (frame_ != nullptr && ui::WindowRegistry::instance().isAlive(frame_)) {
        frame_->forget(this);
    }
}
