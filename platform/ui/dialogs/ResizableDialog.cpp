#include "platform/ui/dialogs/ResizableDialog.h"

#include "platform/ui/dialogs/DlgSize.h"

#include <algorithm>

bool ResizableDialog::followLayout(std::span<const CResizer::CBorderInfo> layout) {
    return resizer_.Init(this, nullptr, layout);
}

void ResizableDialog::keepPresentSizeAsMinimum(CSize atLeast) {
    CRect window;
    GetWindowRect(&window);
    minTrackSize_ =
        CSize(std::max(atLeast.cx, window.Width()), std::max(atLeast.cy, window.Height()));
}

void ResizableDialog::restoreSize() {
    ChangeDlgSize(this, sizeKey_);
}

void ResizableDialog::OnDestroy() {
    WriteDlgSize(this, sizeKey_);
    CDialog::OnDestroy();
}

void ResizableDialog::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

void ResizableDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    info->ptMinTrackSize.x = minTrackSize_.cx;
    info->ptMinTrackSize.y = minTrackSize_.cy;
}
