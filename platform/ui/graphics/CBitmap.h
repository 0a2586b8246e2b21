#pragma once
// MFC's CBitmap over the picture table (ui::BitmapTable): a bitmap object owns one HBITMAP
// from loading until DeleteObject or destruction.

#include "platform/core/text/Vdn_String.h"
#include "platform/ui/windows/WinTypes.h"

#include <memory>

namespace ui {
class Bitmap;
}
class CDC;

// What GetBitmap reports, as Win32's BITMAP. Pictures are 32 bits per pixel; bmBits is null
// as for a device-dependent bitmap.
struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 0;
    WORD bmBitsPixel = 0;
    void* bmBits = nullptr;
};

class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // The bitmap resource resourceId: "bitmaps\<id>.bmp" in gSettings.resourceDir(). FALSE
    // (and nothing held) when it is missing or cannot be read, or when a bitmap is held
    // already.
    BOOL LoadBitmap(UINT resourceId);
    // A ".bmp" file by name (the stand-in of LoadImage with LR_LOADFROMFILE); same rules.
    BOOL loadFromFile(const Vdn_String& name);
    // A new black picture of that size, to draw into with a memory DC (the DC argument is
    // accepted for MFC's signature). FALSE for sizes below 1 or when a bitmap is held.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // Fills info and returns its size; 0 when no bitmap is held.
    int GetBitmap(BITMAP* info) const;
    // Releases the held bitmap; FALSE when none is held.
    BOOL DeleteObject();

    HBITMAP GetSafeHandle() const { return handle_; }
    operator HBITMAP() const { return handle_; }
    // The held picture, or null.
    std::shared_ptr<const ui::Bitmap> picture() const;

private:
    BOOL hold(const Vdn_String& name);

    HBITMAP handle_ = nullptr;
};
