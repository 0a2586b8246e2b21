#pragma once
// CMenu: a menu (bar or pop-up) held in the window system's menu table and addressed by its
// HMENU, as in Win32. Appending a pop-up (MF_POPUP with the submenu's handle) makes the parent
// menu own it: destroying the parent destroys the submenu, and destroying a handle twice
// fails harmlessly. The destructor destroys the menu the object holds.
//
// TrackPopupMenu asks the current ui::User to pick an entry: with TPM_RETURNCMD it returns the
// chosen command id; otherwise it sends WM_COMMAND (id) to the owner and returns nonzero.
// Dismissing returns 0.

#include "platform/ui/windows/WinTypes.h"

#include <string>

class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // A menu bar built from the menu resource `id` (resources/menus); false when missing.
    BOOL LoadMenu(UINT id);
    BOOL DestroyMenu();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    BOOL Attach(HMENU menu);
    HMENU Detach();
    // A wrapper of the handle that does not own it; lives until the menu is destroyed.
    static CMenu* FromHandle(HMENU menu);

    // flags: MF_STRING / MF_SEPARATOR / MF_POPUP (idOrSubmenu = (UINT_PTR)submenu handle)
    // with MF_CHECKED, MF_GRAYED, MF_DISABLED.
    BOOL AppendMenu(UINT flags, UINT_PTR idOrSubmenu = 0, const std::wstring& text = L"");
    // Returns the previous check state (MF_CHECKED / MF_UNCHECKED), (UINT)-1 when not found.
    UINT CheckMenuItem(UINT idOrPosition, UINT flags);
    // Radio-checks `item` and unchecks the others in first..last (ids or positions).
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);
    // Returns the previous state (MF_ENABLED / MF_GRAYED / MF_DISABLED), (UINT)-1 when not found.
    UINT EnableMenuItem(UINT idOrPosition, UINT flags);
    int GetMenuItemCount() const;
    // Command id at a position; (UINT)-1 for a pop-up, 0 for a separator or a bad position.
    UINT GetMenuItemID(int position) const;
    // MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP | MFT_RADIOCHECK bits, or
    // (UINT)-1 when not found.
    UINT GetMenuState(UINT idOrPosition, UINT flags) const;
    // Length of the text; 0 with an empty text when not found.
    int GetMenuString(UINT idOrPosition, std::wstring& text, UINT flags) const;
    CMenu* GetSubMenu(int position) const;
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

    // True while `menu` names a menu that has not been destroyed.
    static bool isMenu(HMENU menu);
};
