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
    SetWindowText(data_.title.str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    SetDlgItemText(IDCANCEL, dialString(kCancelText).str());
    if (images_.SubclassDlgItem(kImageList, this)) {
        std::vector<ImageListData> images;
        for (const Vdn_String& path : data_.imageFiles)
            images.push_back({path.str(), gMacroLangs.GetString(fileTitle(path)).str()});
        images_.setImages(std::move(images));
        images_.drawThumbnails();
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
    resizer_.Init(this, nullptr, layout);
    // Never smaller than it opened.
    minTrackSize_ = CSize(window.Width(), window.Height());
    ChangeDlgSize(this, kSizeKey);
    return TRUE;
}

void CDlgSelectImage::OnOK() {
    const int chosen = images_.selectedIndex();
    if (chosen < 0 || chosen >= data_.imageFiles.length())
        return;
    data_.chosenName = fileTitle(data_.imageFiles[chosen]);
    CDialog::OnOK();
}

void CDlgSelectImage::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CDialog::OnDestroy();
}

void CDlgSelectImage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

void CDlgSelectImage::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    info->ptMinTrackSize.x = minTrackSize_.cx;
    info->ptMinTrackSize.y = minTrackSize_.cy;
}
