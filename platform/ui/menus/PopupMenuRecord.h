#pragma once
// ui::PopupMenuRecord: a pop-up menu as the user sees it when TrackPopupMenu shows it.

#include "platform/ui/windows/WinTypes.h"

#include <string>
#include <vector>

namespace ui {

struct MenuEntryRecord {
    std::wstring text;
    UINT id = 0;    // 0 for separators and submenus
    UINT state = 0; // MF_CHECKED | MF_GRAYED | MF_DISABLED | MFT_RADIOCHECK
    bool separator = false;
    std::vector<MenuEntryRecord> submenu; // entries of a pop-up entry
    bool isPopup = false;

    bool selectable() const {
        return !separator && !isPopup && (state & (MF_GRAYED | MF_DISABLED)) == 0;
    }
};

struct PopupMenuRecord {
    std::vector<MenuEntryRecord> entries;
    int x = 0;
    int y = 0;
    UINT flags = 0;
    CWnd* owner = nullptr;
    UINT chosen = 0; // the command id the user picked, 0 when dismissed

    // Depth-first search for a selectable entry; null when none.
    const MenuEntryRecord* findById(UINT id) const;
    // Text comparison ignores '&' mnemonics; "File/Open..." follows submenus by text.
    const MenuEntryRecord* findByText(const std::wstring& textOrPath) const;
};

} // namespace ui
