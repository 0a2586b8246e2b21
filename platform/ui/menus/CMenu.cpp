#include "platform/ui/menus/CMenu.h"

#include "platform/ui/menus/MenuLibrary.h"
#include "platform/ui/users/User.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/Diagnostics.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <map>
#include <memory>
#include <vector>

namespace {

constexpr UINT kStateBits = MF_CHECKED | MF_GRAYED | MF_DISABLED | MFT_RADIOCHECK | MF_DEFAULT;
constexpr UINT kNotFound = static_cast<UINT>(-1);

struct MenuItem {
    std::wstring text;
    UINT id = 0;
    UINT state = 0;
    bool separator = false;
    HMENU submenu = nullptr;
};

struct MenuData {
    MenuData() = default;
    MenuData(const MenuData&) = delete;
    MenuData& operator=(const MenuData&) = delete;
    ~MenuData() {
        if (wrapper) {
            wrapper->m_hMenu = nullptr;
        }
    }

    bool popup = false;
    std::vector<MenuItem> items;
    std::unique_ptr<CMenu> wrapper; // FromHandle's non-owning object
};

class MenuTable {
public:
    // Never destroyed: menus held by static objects may be destroyed at any point of exit.
    static MenuTable& instance() {
        static MenuTable* const table = new MenuTable;
        return *table;
    }

    HMENU create(bool popup) {
        const std::uintptr_t key = nextKey_++;
        menus_[key].popup = popup;
        return reinterpret_cast<HMENU>(key);
    }

    MenuData* find(HMENU menu) {
        const auto it = menus_.find(reinterpret_cast<std::uintptr_t>(menu));
        return it == menus_.end() ? nullptr : &it->second;
    }

    // Destroys the menu and the pop-ups it holds.
    bool destroy(HMENU menu) {
        const auto it = menus_.find(reinterpret_cast<std::uintptr_t>(menu));
        if (it == menus_.end()) {
            return false;
        }
        std::vector<HMENU> submenus;
        for (const MenuItem& item : it->second.items) {
            if (item.submenu != nullptr) {
                submenus.push_back(item.submenu);
            }
        }
        std::unique_ptr<CMenu> wrapper = std::move(it->second.wrapper);
        if (wrapper) {
            wrapper->m_hMenu = nullptr;
        }
        menus_.erase(it);
        for (HMENU submenu : submenus) {
            destroy(submenu);
        }
        return true;
    }

    // Whether `inner` is `outer` or lies somewhere below it.
    bool contains(HMENU outer, HMENU inner) {
        if (outer == inner) {
            return true;
        }
        MenuData* data = find(outer);
        if (data == nullptr) {
            return false;
        }
        for (const MenuItem& item : data->items) {
            if (item.submenu != nullptr && contains(item.submenu, inner)) {
                return true;
            }
        }
        return false;
    }

private:
    std::map<std::uintptr_t, MenuData> menus_;
    std::uintptr_t nextKey_ = 0x1000;
};

// The item addressed by position or (recursively) by command id.
MenuItem* locate(HMENU menu, UINT idOrPosition, UINT flags, HMENU* owner = nullptr) {
    MenuData* data = MenuTable::instance().find(menu);
    if (data == nullptr) {
        return nullptr;
    }
    if ((flags & MF_BYPOSITION) != 0) {
        if (idOrPosition >= data->items.size()) {
            return nullptr;
        }
        if (owner != nullptr) {
            *owner = menu;
        }
        return &data->items[idOrPosition];
    }
    for (MenuItem& item : data->items) {
        if (!item.separator && item.submenu == nullptr && item.id == idOrPosition) {
            if (owner != nullptr) {
                *owner = menu;
            }
            return &item;
        }
    }
    for (MenuItem& item : data->items) {
        if (item.submenu != nullptr) {
            if (MenuItem* found = locate(item.submenu, idOrPosition, flags, owner)) {
                return found;
            }
        }
    }
    return nullptr;
}

std::vector<ui::MenuEntryRecord> recordEntries(HMENU menu) {
    std::vector<ui::MenuEntryRecord> entries;
    MenuData* data = MenuTable::instance().find(menu);
    if (data == nullptr) {
        return entries;
    }
    for (const MenuItem& item : data->items) {
        ui::MenuEntryRecord entry;
        entry.text = item.text;
        entry.id = item.submenu != nullptr ? 0 : item.id;
        entry.state = item.state;
        entry.separator = item.separator;
        if (item.submenu != nullptr) {
            entry.isPopup = true;
            entry.submenu = recordEntries(item.submenu);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool appendTemplate(CMenu& menu, const std::vector<ui::MenuTemplateEntry>& entries) {
    for (const ui::MenuTemplateEntry& entry : entries) {
        switch (entry.kind) {
        case ui::MenuTemplateEntry::Kind::Separator:
            menu.AppendMenu(MF_SEPARATOR);
            break;
        case ui::MenuTemplateEntry::Kind::Item:
            menu.AppendMenu(MF_STRING | entry.state, entry.id, entry.text);
            break;
        case ui::MenuTemplateEntry::Kind::Popup: {
            CMenu popup;
            if (!popup.CreatePopupMenu() || !appendTemplate(popup, entry.entries)) {
                return false;
            }
            // The parent menu owns the pop-up from here on.
            menu.AppendMenu(MF_POPUP | entry.state, reinterpret_cast<UINT_PTR>(popup.Detach()),
                            entry.text);
            break;
        }
        }
    }
    return true;
}

} // namespace

CMenu::~CMenu() {
    DestroyMenu();
}

bool CMenu::isMenu(HMENU menu) {
    return MenuTable::instance().find(menu) != nullptr;
}

BOOL CMenu::CreateMenu() {
    if (m_hMenu != nullptr) {
        return FALSE;
    }
    m_hMenu = MenuTable::instance().create(false);
    return TRUE;
}

BOOL CMenu::CreatePopupMenu() {
    if (m_hMenu != nullptr) {
        return FALSE;
    }
    m_hMenu = MenuTable::instance().create(true);
    return TRUE;
}

BOOL CMenu::LoadMenu(UINT id) {
    if (m_hMenu != nullptr) {
        return FALSE;
    }
    const ui::MenuTemplate* resource = ui::MenuLibrary::instance().find(id);
    if (resource == nullptr) {
        ui::Diagnostics::report(L"menu " + std::to_wstring(id) + L" not found");
        return FALSE;
    }
    CreateMenu();
    if (!appendTemplate(*this, resource->entries)) {
        DestroyMenu();
        return FALSE;
    }
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    const HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return MenuTable::instance().destroy(menu) ? TRUE : FALSE;
}

BOOL CMenu::Attach(HMENU menu) {
    if (m_hMenu != nullptr || menu == nullptr) {
        return FALSE;
    }
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach() {
    const HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

CMenu* CMenu::FromHandle(HMENU menu) {
    MenuData* data = MenuTable::instance().find(menu);
    if (data == nullptr) {
        return nullptr;
    }
    if (!data->wrapper) {
        data->wrapper = std::make_unique<CMenu>();
        data->wrapper->m_hMenu = menu;
    }
    return data->wrapper.get();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrSubmenu, const std::wstring& text) {
    MenuTable& table = MenuTable::instance();
    MenuData* data = table.find(m_hMenu);
    if (data == nullptr) {
        return FALSE;
    }
    MenuItem item;
    item.state = flags & kStateBits;
    if ((flags & MF_SEPARATOR) != 0) {
        item.separator = true;
    } else if ((flags & MF_POPUP) != 0) {
        const auto submenu = reinterpret_cast<HMENU>(idOrSubmenu);
        // A menu cannot hold itself, directly or through its pop-ups.
        if (table.find(submenu) == nullptr || table.contains(submenu, m_hMenu)) {
            return FALSE;
        }
        item.submenu = submenu;
        item.text = text;
    } else {
        item.id = static_cast<UINT>(idOrSubmenu & 0xFFFFU);
        item.text = text;
    }
    data->items.push_back(std::move(item));
    return TRUE;
}

UINT CMenu::CheckMenuItem(UINT idOrPosition, UINT flags) {
    MenuItem* item = locate(m_hMenu, idOrPosition, flags);
    if (item == nullptr) {
        return kNotFound;
    }
    const UINT previous = item->state & MF_CHECKED;
    item->state = (item->state & ~MF_CHECKED) | (flags & MF_CHECKED);
    return previous;
}

BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) {
    HMENU owner = nullptr;
    if (locate(m_hMenu, first, flags, &owner) == nullptr) {
        return FALSE;
    }
    MenuData* data = MenuTable::instance().find(owner);
    if ((flags & MF_BYPOSITION) == 0) {
        // By command: the range is the run of items from `first` to `last` in their menu.
        std::size_t begin = data->items.size();
        std::size_t end = data->items.size();
        for (std::size_t i = 0; i < data->items.size(); ++i) {
            if (data->items[i].submenu == nullptr && !data->items[i].separator) {
                if (data->items[i].id == first && begin == data->items.size()) {
                    begin = i;
                }
                if (data->items[i].id == last) {
                    end = i;
                }
            }
        }
        if (begin == data->items.size() || end == data->items.size() || end < begin) {
            return FALSE;
        }
        first = static_cast<UINT>(begin);
        last = static_cast<UINT>(end);
    }
    bool found = false;
    for (UINT i = first; i <= last && i < data->items.size(); ++i) {
        MenuItem& entry = data->items[i];
        const bool chosen = (flags & MF_BYPOSITION) != 0 ? i == item : entry.id == item;
        if (chosen) {
            entry.state |= MF_CHECKED | MFT_RADIOCHECK;
            found = true;
        } else {
            entry.state &= ~(MF_CHECKED | MFT_RADIOCHECK);
        }
    }
    return found ? TRUE : FALSE;
}

UINT CMenu::EnableMenuItem(UINT idOrPosition, UINT flags) {
    MenuItem* item = locate(m_hMenu, idOrPosition, flags);
    if (item == nullptr) {
        return kNotFound;
    }
    const UINT previous = item->state & (MF_GRAYED | MF_DISABLED);
    item->state = (item->state & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

int CMenu::GetMenuItemCount() const {
    const MenuData* data = MenuTable::instance().find(m_hMenu);
    return data ? static_cast<int>(data->items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const {
    const MenuData* data = MenuTable::instance().find(m_hMenu);
    if (data == nullptr || position < 0 || position >= static_cast<int>(data->items.size())) {
        return 0;
    }
    const MenuItem& item = data->items[static_cast<std::size_t>(position)];
    if (item.submenu != nullptr) {
        return kNotFound;
    }
    return item.separator ? 0 : item.id;
}

UINT CMenu::GetMenuState(UINT idOrPosition, UINT flags) const {
    const MenuItem* item = locate(m_hMenu, idOrPosition, flags);
    if (item == nullptr) {
        return kNotFound;
    }
    UINT state = item->state;
    if (item->separator) {
        state |= MF_SEPARATOR;
    }
    if (item->submenu != nullptr) {
        // A pop-up reports its item count in the high byte, as Win32 does.
        const MenuData* sub = MenuTable::instance().find(item->submenu);
        const UINT count = sub ? static_cast<UINT>(sub->items.size()) : 0;
        state |= MF_POPUP | ((count & 0xFFU) << 8);
    }
    return state;
}

int CMenu::GetMenuString(UINT idOrPosition, std::wstring& text, UINT flags) const {
    const MenuItem* item = locate(m_hMenu, idOrPosition, flags);
    text = item ? item->text : std::wstring();
    return static_cast<int>(text.size());
}

CMenu* CMenu::GetSubMenu(int position) const {
    const MenuData* data = MenuTable::instance().find(m_hMenu);
    if (data == nullptr || position < 0 || position >= static_cast<int>(data->items.size())) {
        return nullptr;
    }
    return FromHandle(data->items[static_cast<std::size_t>(position)].submenu);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT) {
    if (MenuTable::instance().find(m_hMenu) == nullptr) {
        return FALSE;
    }
    ui::DispatchGuard guard;
    ui::PopupMenuRecord record;
    record.entries = recordEntries(m_hMenu);
    record.x = x;
    record.y = y;
    record.flags = flags;
    record.owner = owner;
    UINT chosen = ui::User::current().trackPopupMenu(record);
    if (chosen != 0 && record.findById(chosen) == nullptr) {
        ui::Diagnostics::report(L"the user picked " + std::to_wstring(chosen) +
                                L", which is no enabled entry of the menu");
        chosen = 0;
    }
    if ((flags & TPM_RETURNCMD) != 0) {
        return static_cast<BOOL>(chosen);
    }
    if (chosen == 0) {
        return FALSE;
    }
    if (ui::WindowRegistry::instance().isAlive(owner) && owner->GetSafeHwnd() != nullptr) {
        owner->SendMessage(WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    }
    return TRUE;
}
