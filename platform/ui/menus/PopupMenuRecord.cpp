#include "platform/ui/menus/PopupMenuRecord.h"

namespace ui {

namespace {

std::wstring withoutMnemonics(const std::wstring& text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') {
                out += L'&';
                ++i;
            }
            continue;
        }
        // A tab separates the accelerator text ("Copy\tCtrl+C").
        if (text[i] == L'\t') {
            break;
        }
        out += text[i];
    }
    return out;
}

const MenuEntryRecord* byId(const std::vector<MenuEntryRecord>& entries, UINT id) {
    for (const MenuEntryRecord& entry : entries) {
        if (entry.selectable() && entry.id == id) {
            return &entry;
        }
        if (entry.isPopup && (entry.state & (MF_GRAYED | MF_DISABLED)) == 0) {
            if (const MenuEntryRecord* found = byId(entry.submenu, id)) {
                return found;
            }
        }
    }
    return nullptr;
}

const MenuEntryRecord* byText(const std::vector<MenuEntryRecord>& entries,
                              const std::wstring& text) {
    for (const MenuEntryRecord& entry : entries) {
        if (entry.selectable() && withoutMnemonics(entry.text) == text) {
            return &entry;
        }
    }
    for (const MenuEntryRecord& entry : entries) {
        if (entry.isPopup && (entry.state & (MF_GRAYED | MF_DISABLED)) == 0) {
            if (const MenuEntryRecord* found = byText(entry.submenu, text)) {
                return found;
            }
        }
    }
    return nullptr;
}

} // namespace

const MenuEntryRecord* PopupMenuRecord::findById(UINT id) const {
    return byId(entries, id);
}

const MenuEntryRecord* PopupMenuRecord::findByText(const std::wstring& textOrPath) const {
    const std::size_t slash = textOrPath.find(L'/');
    if (slash == std::wstring::npos) {
        return byText(entries, textOrPath);
    }
    // "Popup/Entry": follow the pop-ups by their text.
    const std::vector<MenuEntryRecord>* level = &entries;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = textOrPath.find(L'/', start);
        const std::wstring part = textOrPath.substr(start, end - start);
        if (end == std::wstring::npos) {
            for (const MenuEntryRecord& entry : *level) {
                if (entry.selectable() && withoutMnemonics(entry.text) == part) {
                    return &entry;
                }
            }
            return nullptr;
        }
        const MenuEntryRecord* popup = nullptr;
        for (const MenuEntryRecord& entry : *level) {
            if (entry.isPopup && (entry.state & (MF_GRAYED | MF_DISABLED)) == 0 &&
                withoutMnemonics(entry.text) == part) {
                popup = &entry;
                break;
            }
        }
        if (popup == nullptr) {
            return nullptr;
        }
        level = &popup->submenu;
        start = end + 1;
    }
}

} // namespace ui
