#pragma once

#include "platform/ui/windows/CFrameWnd.h"

// The host's main window: one frame that accepts control bars on every edge. It is created on
// first use and becomes the window system's main window (the owner of dialogs made without a
// parent).
CWnd* adsw_acadMainWnd();
CFrameWnd* acedGetAcadFrame();

// Repaints the drawing.
void acedUpdateDisplay();

namespace host {

// How often the drawing was repainted.
int displayUpdateCount();

// Destroys the main frame (the next use creates a new one) and resets the repaint count.
void destroyMainWindow();

} // namespace host
