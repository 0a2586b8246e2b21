#pragma once

#include "module/dynMenuEntry.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/ui/menus/CMenu.h"

#include <array>
#include <memory>
#include <vector>

// Builds context menus from two parallel lists: the entries and their nesting levels (1 the
// top menu, 2 a submenu of it, ...; 0 or below leaves an entry out). Items take their command
// ids from a fixed table of ten, in order, so an owner maps the id it receives back to the
// entry's position; once the ten ids are used, every later entry is left out. An entry goes
// into the menu of its level: the top menu for level 1, otherwise the submenu opened last for
// that level (so entries after a deeper block return to their own submenu); an entry deeper
// than the current level, or of a level without an open submenu, is left out.
class dynMenu {
public:
    static constexpr std::array<UINT, 10> commandIds = {32811, 32812, 32816, 32817, 32818,
                                                        32800, 32801, 32802, 32803, 32804};

    dynMenu() = default;
    dynMenu(const dynMenu&) = delete;
    dynMenu& operator=(const dynMenu&) = delete;
    virtual ~dynMenu();

    // Builds a new menu and shows it at the screen position x, y; returns what
    // TrackPopupMenu returns. The owner receives the chosen command id as WM_COMMAND.
    BOOL show(UINT flags, int x, int y, CWnd* owner, const Vdn_Array<int>& levels,
              const Vdn_Array<dynMenuEntry>& entries);
    // Builds a new menu (replacing an earlier one) for an owner that shows it itself; returns
    // the top pop-up menu. Entries beyond the shorter list are left out.
    CMenu* build(const Vdn_Array<int>& levels, const Vdn_Array<dynMenuEntry>& entries);

    // The text of the item with that command id; empty when there is none.
    Vdn_String getItemText(UINT commandId) const;

    // The top menu, null until built.
    CMenu* root() const { return root_.get(); }
    int submenuCount() const { return static_cast<int>(submenus_.size()); }

    // The position of a command id in the table (0..9), -1 for any other id.
    static int commandIndex(UINT commandId);

private:
    void destroy();

    std::unique_ptr<CMenu> root_;
    std::vector<std::unique_ptr<CMenu>> submenus_;
};
