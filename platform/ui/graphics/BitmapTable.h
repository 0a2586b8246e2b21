#pragma once

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/windows/WinTypes.h"

#include <memory>

namespace ui {

// The pictures behind HBITMAP handles, as GDI keeps them: CBitmap puts a picture in and takes
// it out again; controls that were handed an HBITMAP (and a later renderer) look it up here.
// Handle values are never reused, so a deleted handle stays invalid.
class BitmapTable {
public:
    static HBITMAP add(Bitmap bitmap);
    // Null for an unknown or deleted handle.
    static std::shared_ptr<const Bitmap> find(HBITMAP handle);
    // False when the handle is unknown.
    static bool remove(HBITMAP handle);
    // The handle's picture becomes `bitmap` (what a memory DC drew); holders of the old picture
    // keep theirs. False when the handle is unknown.
    static bool replace(HBITMAP handle, Bitmap bitmap);
};

} // namespace ui
