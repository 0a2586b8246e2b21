#pragma once
// Dialog units to pixels, as Windows maps them for the dialog font MS Shell Dlg 8 at 96 dpi:
// the base units are 6 x 13 pixels, one horizontal unit is a quarter of the base width and one
// vertical unit an eighth of the base height, rounded to the nearest pixel (MulDiv). A
// rectangle is mapped corner by corner (MapDialogRect), so adjacent controls stay adjacent.

#include "platform/ui/windows/WinTypes.h"

namespace ui {

constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;

// Win32 MulDiv: a * b / c rounded half away from zero.
constexpr int mulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    const long long ap = p < 0 ? -p : p;
    const long long ac = c < 0 ? -static_cast<long long>(c) : c;
    const long long q = (ap + ac / 2) / ac;
    return static_cast<int>(((p < 0) != (c < 0)) ? -q : q);
}

constexpr int dialogUnitsToPixelsX(int x) {
    return mulDiv(x, kDialogBaseUnitX, 4);
}
constexpr int dialogUnitsToPixelsY(int y) {
    return mulDiv(y, kDialogBaseUnitY, 8);
}

constexpr CRect mapDialogRect(int x, int y, int cx, int cy) {
    return CRect(dialogUnitsToPixelsX(x), dialogUnitsToPixelsY(y), dialogUnitsToPixelsX(x + cx),
                 dialogUnitsToPixelsY(y + cy));
}

} // namespace ui
