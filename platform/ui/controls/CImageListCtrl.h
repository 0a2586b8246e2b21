#pragma once
// CImageListCtrl: a list of thumbnails with labels (a list-view in icon mode). The owner gives
// it the pictures' files and labels, then draws the thumbnails: each file is read and scaled
// into the control's image list; a file that is missing or cannot be read gives an empty
// thumbnail, keeping its label and place.
//
// The user clicks a thumbnail (LVN_ITEMCHANGED when the selection changes, then NM_CLICK) or
// double-clicks it (the same, then NM_DBLCLK), as WM_NOTIFY to the parent.

#include "platform/ui/controls/CImageList.h"
#include "platform/ui/windows/CWnd.h"

#include <string>
#include <vector>

// One thumbnail: the picture's file and the label shown under it.
struct ImageListData {
    std::wstring path;
    std::wstring name;
};

class CImageListCtrl : public CWnd {
public:
    static constexpr int kThumbnailSize = 96;

    CImageListCtrl() = default;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Replaces the thumbnails (nothing selected); drawThumbnails reads the pictures.
    void setImages(std::vector<ImageListData> images);
    void drawThumbnails();
    int GetItemCount() const { return static_cast<int>(images_.size()); }
    const std::vector<ImageListData>& images() const { return images_; }
    const CImageList& imageList() const { return list_; }
    // -1 when nothing is selected.
    int selectedIndex() const { return selected_; }
    // The label of the selected thumbnail, empty when nothing is selected.
    std::wstring selectedName() const;
    // Selection by code (no notification); -1 clears it. False for a bad index.
    bool setSelectedIndex(int index);

    bool userSelect(int index, bool doubleClick);

protected:
    void takeOverState(CWnd& original) override;

private:
    void notify(UINT code);

    std::vector<ImageListData> images_;
    CImageList list_;
    int selected_ = -1;
};
