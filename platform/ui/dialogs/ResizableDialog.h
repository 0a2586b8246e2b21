#pragma once

#include "platform/ui/controls/CResizer.h"
#include "platform/ui/dialogs/CDialog.h"

#include <span>

// A dialog the user may resize: its controls follow a CResizer layout, it never gets smaller
// than a minimum, and its size is kept in the registry under a key from one opening to the
// next. A derived dialog sets the layout and the minimum in OnInitDialog, then restores the
// kept size; the size handlers and the saving on destruction are this class's.
class ResizableDialog : public CDialog {
protected:
    ResizableDialog(UINT templateId, CWnd* parent, const wchar_t* sizeKey)
        : CDialog(templateId, parent), sizeKey_(sizeKey) {}

    // The layout the controls follow from now on; false for a table CResizer refuses.
    bool followLayout(std::span<const CResizer::CBorderInfo> layout);
    // The dialog never gets smaller than its present size (what its controls were laid out
    // for), nor than atLeast.
    void keepPresentSizeAsMinimum(CSize atLeast = CSize(0, 0));
    // The size kept under the key, when there is one; call it once the layout is set.
    void restoreSize();

    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    const wchar_t* sizeKey_;
    CResizer resizer_;
    CSize minTrackSize_;
};
