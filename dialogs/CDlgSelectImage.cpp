#include "dialogs/CDlgSelectImage.h"

#include "platform/core/files/PathHelpers.h"
#include "platform/core/model/MacroLangs.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/dialogs/NumberedItemTexts.h"
#include "platform/ui/windows/WinConstants.h"

#include <array>

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;

} // namespace

CDlgSelectImage::CDlgSelectImage(CWnd* parent) : ResizableDialog(IDD, parent, kSizeKey) {
    onNotify(kImageList, NM_DBLCLK, [this](NMHDR*, LRESULT*) { OnOK(); });
}

Vdn_String CDlgSelectImage::fileTitle(const Vdn_String& path) {
    return removeExtension(path).substr(getPath(path).length());
}

BOOL CDlgSelectImage::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(data_.title.str());
    setNumberedItemTexts(*this, {{IDOK, kOkText}, {IDCANCEL, kCancelText}});
    if (images_.SubclassDlgItem(kImageList, this)) {
        std::vector<ImageListData> images;
        for (const Vdn_String& path : data_.imageFiles)
            images.push_back({path.str(), gMacroLangs.GetString(fileTitle(path)).str()});
        images_.setImages(std::move(images));
        images_.drawThumbnails();
    }

    const std::array<CResizer::CBorderInfo, 3> layout = {{
        CResizer::grown(kImageList),
        CResizer::keptBottomRight(IDOK),
        CResizer::keptBottomRight(IDCANCEL),
    }};
    followLayout(layout);
    // Never smaller than it opened.
    keepPresentSizeAsMinimum();
    restoreSize();
    return TRUE;
}

void CDlgSelectImage::OnOK() {
    const int chosen = images_.selectedIndex();
    if (chosen < 0 || chosen >= data_.imageFiles.length())
        return;
    data_.chosenName = fileTitle(data_.imageFiles[chosen]);
    CDialog::OnOK();
}
