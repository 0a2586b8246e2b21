#include "platform/ui/graphics/IconTable.h"

#include "platform/core/files/PathHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"

#include <cstdint>
#include <map>
#include <unordered_map>

namespace ui {

namespace {

struct Table {
    std::unordered_map<std::uintptr_t, std::shared_ptr<const Bitmap>> pictures;
    std::map<std::wstring, HICON> resources; // by file name
    std::uintptr_t next = 0x40000;
};

Table& table() {
    static Table instance;
    return instance;
}

} // namespace

HICON IconTable::add(Bitmap picture) {
    Table& t = table();
    t.next += 4;
    t.pictures.emplace(t.next, std::make_shared<const Bitmap>(std::move(picture)));
    return reinterpret_cast<HICON>(t.next);
}

HICON IconTable::load(UINT resourceId) {
    Table& t = table();
    const Vdn_String name = ensureEndBSlash(gSettings.resourceDir()) + L"icons\\" +
                            Vdn_String(static_cast<int>(resourceId)) + L".bmp";
    if (const auto it = t.resources.find(name.str()); it != t.resources.end()) {
        return it->second;
    }
    Bitmap::LoadResult loaded = Bitmap::load(name);
    if (!loaded.ok() || loaded.bitmap.isEmpty()) {
        return nullptr;
    }
    Bitmap picture = std::move(loaded.bitmap);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if ((picture.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) {
                picture.setPixel(x, y, 0x00FFFFFF);
            }
        }
    }
    const HICON icon = add(std::move(picture));
    t.resources[name.str()] = icon;
    return icon;
}

std::shared_ptr<const Bitmap> IconTable::find(HICON icon) {
    const Table& t = table();
    const auto it = t.pictures.find(reinterpret_cast<std::uintptr_t>(icon));
    return it == t.pictures.end() ? nullptr : it->second;
}

bool IconTable::remove(HICON icon) {
    Table& t = table();
    for (const auto& [name, handle] : t.resources) {
        if (handle == icon) {
            return false; // resource icons are shared, as LoadIcon's are
        }
    }
    return t.pictures.erase(reinterpret_cast<std::uintptr_t>(icon)) > 0;
}

} // namespace ui

HICON LoadIcon(const void*, UINT iconId) {
    return ui::IconTable::load(iconId);
}

BOOL DestroyIcon(HICON icon) {
    return ui::IconTable::remove(icon) ? TRUE : FALSE;
}
