#include "platform/ui/windows/CFont.h"

#include "platform/ui/dialogs/DialogUnits.h"

namespace {

constexpr int kDpi = 96;

} // namespace

BOOL CFont::CreateFont(int height, int, int, int, int weight, BYTE italic, BYTE, BYTE, BYTE, BYTE,
                       BYTE, BYTE, BYTE, const std::wstring& faceName) {
    created_ = true;
    height_ = height;
    weight_ = weight == FW_DONTCARE ? FW_NORMAL : weight;
    italic_ = italic != 0;
    face_ = faceName;
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSize, const std::wstring& faceName) {
    // Tenths of a point to a character height in pixels (negative, as LOGFONT keeps it).
    return CreateFont(-ui::mulDiv(pointSize, kDpi, 720), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                      DEFAULT_CHARSET, 0, 0, 0, 0, faceName);
}

BOOL CFont::DeleteObject() {
    if (!created_) {
        return FALSE;
    }
    *this = CFont();
    return TRUE;
}

int CFont::pointSize() const {
    const int pixels = height_ < 0 ? -height_ : height_;
    return ui::mulDiv(pixels, 72, kDpi);
}
