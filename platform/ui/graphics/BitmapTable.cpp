#include "platform/ui/graphics/BitmapTable.h"

#include <cstdint>
#include <unordered_map>

namespace ui {

namespace {

struct Table {
    std::unordered_map<std::uintptr_t, std::shared_ptr<const Bitmap>> pictures;
    std::uintptr_t next = 0x20000;
};

Table& table() {
    static Table instance;
    return instance;
}

} // namespace

HBITMAP BitmapTable::add(Bitmap bitmap) {
    Table& t = table();
    t.next += 4;
    t.pictures.emplace(t.next, std::make_shared<const Bitmap>(std::move(bitmap)));
    return reinterpret_cast<HBITMAP>(t.next);
}

std::shared_ptr<const Bitmap> BitmapTable::find(HBITMAP handle) {
    const Table& t = table();
    const auto it = t.pictures.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == t.pictures.end() ? nullptr : it->second;
}

bool BitmapTable::remove(HBITMAP handle) {
    return table().pictures.erase(reinterpret_cast<std::uintptr_t>(handle)) > 0;
}

bool BitmapTable::replace(HBITMAP handle, Bitmap bitmap) {
    Table& t = table();
    const auto it = t.pictures.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == t.pictures.end()) {
        return false;
    }
    it->second = std::make_shared<const Bitmap>(std::move(bitmap));
    return true;
}

} // namespace ui
