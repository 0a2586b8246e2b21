#pragma once
// CImageList: pictures of one size, by index. A picture of another size is scaled to fit
// (keeping its proportions, nearest pixel) and centred on a transparent field; the mask colour
// given with Add becomes transparent.

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/WinGdi.h"

#include <vector>

class CBitmap;
class CDC;

class CImageList {
public:
    CImageList() = default;

    // FALSE for sizes below 1 or when created already. flags, initial and grow are accepted
    // for MFC's signature; the list grows as needed.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    bool isCreated() const { return width_ > 0; }
    // The index of the new image, -1 when not created. A null or empty bitmap adds an empty
    // (transparent) image, so that indexes stay in step with the caller's list.
    int Add(const CBitmap* bitmap, COLORREF mask);
    int Add(HICON icon);
    int addPicture(const ui::Bitmap& picture, bool maskWhite);
    int GetImageCount() const { return static_cast<int>(images_.size()); }
    // Null for a bad index.
    const ui::Bitmap* picture(int index) const;
    BOOL Draw(CDC* dc, int index, POINT point, UINT style) const;
    CSize imageSize() const { return {width_, height_}; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<ui::Bitmap> images_;
};
