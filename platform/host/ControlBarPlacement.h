#pragma once

#include "platform/host/Guid.h"
#include "platform/ui/windows/WinTypes.h"

#include <optional>

namespace host {

// Where a docking bar was when it closed: the dock bar id of its edge
// (AFX_IDW_DOCKBAR_LEFT, ...), or AFX_IDW_DOCKBAR_FLOAT with its floating rectangle. The host
// keeps one placement per tool id in the per-user registry
// (HKEY_CURRENT_USER\Software\Tessa\Host\ControlBars\<tool id>).
struct ControlBarPlacement {
    UINT dockBarId = 0;
    CRect floatingRect;

    // The saved placement of a tool; nullopt when there is none or it is damaged.
    static std::optional<ControlBarPlacement> load(const Guid& toolId);
    // False when the registry refuses the write.
    bool save(const Guid& toolId) const;

    friend bool operator==(const ControlBarPlacement&, const ControlBarPlacement&) = default;
};

} // namespace host
