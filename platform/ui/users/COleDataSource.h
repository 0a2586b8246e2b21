#pragma once
// MFC's COleDataSource: data offered in several formats, for the clipboard (SetClipboard) or
// for a drag (DoDragDrop).
//
// DoDragDrop runs the drag loop headlessly: it follows the mouse gesture the user action
// announced (ui::Mouse) over the windows under the pointer; a window with a registered drop
// target (itself or its nearest ancestor that has one) gets OnDragEnter, OnDragOver and
// OnDragLeave as the pointer passes, and OnDrop where the button goes up when it accepted the
// data there. A press that moves less than the drag threshold starts no drag. The loop takes
// the button-up as OLE's does.

#include "platform/ui/users/COleDataObject.h"

class COleDataSource {
public:
    // Pixels the pointer must move from the press before a drag starts (SM_CXDRAG).
    static constexpr int kDragThreshold = 4;

    COleDataSource() = default;

    void CacheData(UINT format, std::vector<std::uint8_t> bytes);
    // CF_UNICODETEXT.
    void cacheText(const std::wstring& text);
    void Empty() { formats_.clear(); }

    // DROPEFFECT_NONE when the drag was cancelled, did not start or nobody took it; otherwise
    // the effect the drop target chose (one of `allowed`).
    DROPEFFECT DoDragDrop(DROPEFFECT allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE);
    // The clipboard holds a copy of this data from now on.
    void SetClipboard();

    COleDataObject dataObject() const { return COleDataObject(formats_); }

private:
    COleDataObject::Formats formats_;
};
