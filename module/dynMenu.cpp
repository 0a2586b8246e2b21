#include "module/dynMenu.h"

#include <algorithm>

dynMenu::~dynMenu() {
    destroy();
}

void dynMenu::destroy() {
    // Destroying the root also destroys the submenus appended to it; destroying them again
    // is harmless and covers submenus that were never appended.
    if (root_)
        root_->DestroyMenu();
    for (const auto& submenu : submenus_)
        submenu->DestroyMenu();
    submenus_.clear();
    root_.reset();
}

BOOL dynMenu::show(UINT flags, int x, int y, CWnd* owner, const Vdn_Array<int>& levels,
                   const Vdn_Array<dynMenuEntry>& entries) {
    CMenu* menu = build(levels, entries);
    return menu->TrackPopupMenu(flags, x, y, owner);
}

CMenu* dynMenu::build(const Vdn_Array<int>& levels, const Vdn_Array<dynMenuEntry>& entries) {
    destroy();
    root_ = std::make_unique<CMenu>();
    root_->CreatePopupMenu();

    int currentLevel = 1;
    std::vector<int> openLevels; // the level of the items of submenus_[k], parallel to it
    int counter = -1;            // the last command id used, as an index into commandIds

    // The submenu that holds the items of a level: the one opened last for that level.
    const auto submenuOfLevel = [&](int level) -> CMenu* {
        for (auto k = openLevels.size(); k-- > 0;) {
            if (openLevels[k] == level)
                return k < submenus_.size() ? submenus_[k].get() : nullptr;
        }
        return nullptr;
    };

    const int count = std::min(levels.length(), entries.length());
    for (int i = 0; i < count; ++i) {
        const int level = levels[i];
        const dynMenuEntry& entry = entries[i];
        if (level <= 0 || level > currentLevel)
            continue;

        CMenu* target = nullptr;
        if (level == 1) {
            target = root_.get();
        } else {
            target = submenuOfLevel(level);
            if (target == nullptr)
                continue;
        }
        currentLevel = level;

        if (counter >= static_cast<int>(commandIds.size()) - 1)
            continue;

        switch (entry.kind) {
        case dynMenuEntry::kSkipped:
            ++counter;
            break;
        case dynMenuEntry::kSubmenu: {
            ++currentLevel;
            openLevels.push_back(currentLevel);
            auto submenu = std::make_unique<CMenu>();
            submenu->CreatePopupMenu();
            target->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(submenu->GetSafeHmenu()),
                               entry.text.str());
            submenus_.push_back(std::move(submenu));
            break;
        }
        case dynMenuEntry::kSeparator:
            target->AppendMenu(MF_SEPARATOR);
            break;
        default: {
            ++counter;
            const UINT id = commandIds[static_cast<std::size_t>(counter)];
            UINT flags = MF_STRING;
            if (entry.kind == dynMenuEntry::kGreyed)
                flags |= MF_GRAYED;
            else if (entry.kind == dynMenuEntry::kChecked)
                flags |= MF_CHECKED;
            target->AppendMenu(flags, id, entry.text.str());
            if (entry.kind == dynMenuEntry::kRadio)
                target->CheckMenuRadioItem(id, id, id, MF_BYCOMMAND);
            break;
        }
        }
    }
    return root_.get();
}

Vdn_String dynMenu::getItemText(UINT commandId) const {
    if (!root_)
        return {};
    std::wstring text;
    root_->GetMenuString(commandId, text, MF_BYCOMMAND);
    return Vdn_String(std::move(text));
}

int dynMenu::commandIndex(UINT commandId) {
    const auto found = std::find(commandIds.begin(), commandIds.end(), commandId);
    return found == commandIds.end() ? -1 : static_cast<int>(found - commandIds.begin());
}
