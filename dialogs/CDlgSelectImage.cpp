#include "dialogs/CDlgSelectImage.h"

#include "platform/core/files/PathHelpers.h"
#include "platform/core/model/MacroLangs.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"

#include <array>

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;

} // namespace

CDlgSelectImage::CDlgSelectImage(CWnd* parent) : CDialog(IDD, parent) {
    onNotify(kImageList, NM_DBLCLK, [this](NMHDR*, LRESULT*) { OnOK(); });
}

Vdn_String CDlgSelectImage::fileTitle(const Vdn_String& path) {
    return removeExtension(path).substr(getPath(path).length());
}

BOOL CDlgSelectImage::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(mData.title.str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    if (mImages.SubclassDlgItem(kImageList, this)) {
        std::vector<ImageListData> images;
        for (const Vdn_String& path : mData.imageFiles)
            images.push_back({path.str(), gMacroLangs.GetString(fileTitle(path)).str()});
        mImages.setImages(std::move(images));
        mImages.drawThumbnails();
    }

    CRect window;
    GetWindowRect(&window);
    const std::array<CResizer::CBorderInfo, 3> layout = {{
        {kImageList,
         {CResizer::eFixed},
         {CResizer::eFixed},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
        {IDOK,
         {CResizer::eWidth},
         {CResizer::eHeight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
        {IDCANCEL,
         {CResizer::eWidth},
         {CResizer::eHeight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eRight},
         {CResizer::eFixed, CResizer::IDC_MAIN, CResizer::eBottom}},
    }};
    mResizer.Init(this, nullptr, layout);
    // Never smaller than it opened.
    mMinTrackSize = CSize(window.Width(), window.Height());
    ChangeDlgSize(this, kSizeKey);
    return TRUE;
}

void CDlgSelectImage::OnOK() {
    const int chosen = mImages.selectedIndex();
    if (chosen < 0 || chosen >= mData.imageFiles.length())
        return;
    mData.chosenName = fileTitle(mData.imageFiles[chosen]);
    CDialog::OnOK();
}

void CDlgSelectImage::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CDialog::OnDestroy();
}

void CDlgSelectImage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    mResizer.Move();
}

void CDlgSelectImage::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    info->ptMinTrackSize.x = mMinTrackSize.cx;
    info->ptMinTrackSize.y = mMinTrackSize.cy;
}
