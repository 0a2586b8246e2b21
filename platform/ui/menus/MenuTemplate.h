#pragma once
// ui::MenuTemplate: one menu resource as read from resources/menus/*.menu (format in
// docs/window-system.md): a menu bar whose entries are items, separators and pop-ups.

#include "platform/ui/dialogs/DialogTemplate.h"
#include "platform/ui/windows/WinTypes.h"

#include <string>
#include <vector>

namespace ui {

struct MenuTemplateEntry {
    enum class Kind { Item, Separator, Popup };
    Kind kind = Kind::Item;
    std::wstring text;
    UINT id = 0;
    UINT state = 0;                         // MF_CHECKED | MF_GRAYED | MF_DISABLED
    std::vector<MenuTemplateEntry> entries; // of a pop-up
};

struct MenuTemplate {
    UINT id = 0;
    std::wstring name;
    std::vector<MenuTemplateEntry> entries;
    std::wstring file;
    int line = 0;
};

} // namespace ui
