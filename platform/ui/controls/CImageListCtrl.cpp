#include "platform/ui/controls/CImageListCtrl.h"

#include "platform/ui/graphics/Bitmap.h"

namespace {

// List-view notification of a changed item state (LVN_FIRST - 1).
constexpr UINT kItemChanged = static_cast<UINT>(-101);

} // namespace

BOOL CImageListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"SysListView32", L"", style, rect, parent, id);
}

void CImageListCtrl::setImages(std::vector<ImageListData> images) {
    images_ = std::move(images);
    selected_ = -1;
    list_.DeleteImageList();
    Invalidate();
}

void CImageListCtrl::drawThumbnails() {
    list_.DeleteImageList();
    list_.Create(kThumbnailSize, kThumbnailSize, 0, static_cast<int>(images_.size()), 4);
    for (const ImageListData& image : images_) {
        ui::Bitmap::LoadResult loaded = ui::Bitmap::load(image.path);
        list_.addPicture(loaded.ok() ? loaded.bitmap : ui::Bitmap(), false);
    }
    Invalidate();
}

std::wstring CImageListCtrl::selectedName() const {
    return selected_ >= 0 ? images_[static_cast<std::size_t>(selected_)].name : std::wstring();
}

bool CImageListCtrl::setSelectedIndex(int index) {
    if (index < -1 || index >= GetItemCount()) {
        return false;
    }
    selected_ = index;
    Invalidate();
    return true;
}

void CImageListCtrl::notify(UINT code) {
    NMHDR header;
    header.code = code;
    notifyParent(header);
}

bool CImageListCtrl::userSelect(int index, bool doubleClick) {
    if (index < 0 || index >= GetItemCount()) {
        return false;
    }
    SetFocus();
    if (selected_ != index) {
        selected_ = index;
        Invalidate();
        notify(kItemChanged);
    }
    notify(NM_CLICK);
    if (doubleClick) {
        notify(NM_DBLCLK);
    }
    return true;
}

void CImageListCtrl::takeOverState(CWnd& original) {
    if (auto* other = dynamic_cast<CImageListCtrl*>(&original)) {
        images_ = other->images_;
        selected_ = other->selected_;
    }
}
