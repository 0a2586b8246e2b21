#pragma once

#include "platform/host/CAdUiDockControlBar.h"

// The host's docking bar class for applications.
class CAcUiDockControlBar : public CAdUiDockControlBar {
public:
    using CAdUiDockControlBar::CAdUiDockControlBar;
};
