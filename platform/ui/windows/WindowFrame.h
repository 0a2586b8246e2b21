#pragma once
// ui::frameInsets: the non-client parts of a window (frame and caption) in pixels, from its
// styles, with the metrics of classic Windows: a sizing frame (WS_THICKFRAME) of 4 pixels, a
// dialog frame (WS_DLGFRAME, WS_EX_DLGMODALFRAME) of 3, a thin border (WS_BORDER) of 1, a
// client edge (WS_EX_CLIENTEDGE) of 2 more, and a caption (WS_CAPTION) of 19 pixels.

#include "platform/ui/windows/WinTypes.h"

namespace ui {

constexpr int kCaptionHeight = 19;
constexpr int kSizingFrame = 4;
constexpr int kDialogFrame = 3;
constexpr int kBorder = 1;
constexpr int kClientEdge = 2;

// left, top, right, bottom: the widths of the frame on each side.
constexpr CRect frameInsets(DWORD style, DWORD exStyle) {
    int frame = 0;
    if ((style & WS_THICKFRAME) != 0) {
        frame = kSizingFrame;
    } else if ((style & WS_DLGFRAME) != 0 || (exStyle & WS_EX_DLGMODALFRAME) != 0) {
        frame = kDialogFrame;
    } else if ((style & WS_BORDER) != 0) {
        frame = kBorder;
    }
    if ((exStyle & WS_EX_CLIENTEDGE) != 0) {
        frame += kClientEdge;
    }
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
    return CRect(frame, frame + caption, frame, frame);
}

} // namespace ui
