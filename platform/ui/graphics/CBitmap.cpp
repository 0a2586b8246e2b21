#include "platform/ui/graphics/CBitmap.h"

#include "platform/core/files/PathHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/BitmapTable.h"

CBitmap::~CBitmap() {
    DeleteObject();
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    return hold(ensureEndBSlash(gSettings.resourceDir()) + L"bitmaps\\" +
                Vdn_String(static_cast<int>(resourceId)) + L".bmp");
}

BOOL CBitmap::loadFromFile(const Vdn_String& name) {
    return hold(name);
}

BOOL CBitmap::hold(const Vdn_String& name) {
    if (handle_)
        return FALSE;
    ui::Bitmap::LoadResult loaded = ui::Bitmap::load(name);
    if (!loaded.ok())
        return FALSE;
    handle_ = ui::BitmapTable::add(std::move(loaded.bitmap));
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height) {
    if (handle_ || width < 1 || height < 1)
        return FALSE;
    handle_ = ui::BitmapTable::add(ui::Bitmap(width, height, 0xFF000000u));
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* info) const {
    const std::shared_ptr<const ui::Bitmap> bitmap = picture();
    if (!bitmap || !info)
        return 0;
    *info = BITMAP{};
    info->bmWidth = bitmap->width();
    info->bmHeight = bitmap->height();
    info->bmWidthBytes = bitmap->width() * 4;
    info->bmPlanes = 1;
    info->bmBitsPixel = 32;
    return static_cast<int>(sizeof(BITMAP));
}

BOOL CBitmap::DeleteObject() {
    if (!handle_)
        return FALSE;
    ui::BitmapTable::remove(handle_);
    handle_ = nullptr;
    return TRUE;
}

std::shared_ptr<const ui::Bitmap> CBitmap::picture() const {
    return handle_ ? ui::BitmapTable::find(handle_) : nullptr;
}
