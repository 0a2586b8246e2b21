#pragma once

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/windows/WinTypes.h"

#include <memory>

namespace ui {

// The pictures behind HICON handles. An icon is a picture with transparency: icon resources
// are "icons\<id>.bmp" files in the resource folder, our own line drawings, in which white
// (255, 255, 255) is transparent, as in the white mask of the other pictures. Handle values
// are never reused.
class IconTable {
public:
    // An icon from a picture; pixels with alpha 0 are transparent.
    static HICON add(Bitmap picture);
    // The icon resource, loaded once and shared; null when the file is missing or broken.
    static HICON load(UINT resourceId);
    // Null for an unknown or destroyed handle.
    static std::shared_ptr<const Bitmap> find(HICON icon);
    static bool remove(HICON icon);
};

} // namespace ui
