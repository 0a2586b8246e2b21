#include "platform/ui/CControlBar.h"

#include "platform/ui/CFrameWnd.h"
#include "platform/ui/WindowRegistry.h"

CControlBar::~CControlBar() {
    if (frame_ != nullptr && ui::WindowRegistry::instance().isAlive(frame_)) {
        frame_->forget(this);
    }
}
