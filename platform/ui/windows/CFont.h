#pragma once
// MFC's CFont as a small value: face name, height in pixels (negative = character height, as
// Win32's LOGFONT), weight and italic flag. Windows keep their own copy of the font they are
// given, so a CFont may go out of scope after SetFont.

#include "platform/ui/windows/WinTypes.h"

#include <string>

class CFont {
public:
    CFont() = default;

    // Win32 CreateFont; only height, weight, italic and face are kept.
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                    const std::wstring& faceName);
    // pointSize in tenths of a point, at 96 dpi (MFC's CreatePointFont).
    BOOL CreatePointFont(int pointSize, const std::wstring& faceName);
    BOOL DeleteObject();

    bool isCreated() const { return created_; }
    const std::wstring& faceName() const { return face_; }
    int height() const { return height_; }
    int weight() const { return weight_; }
    bool italic() const { return italic_; }
    // The size in points that the height stands for at 96 dpi (rounded).
    int pointSize() const;

    friend bool operator==(const CFont&, const CFont&) = default;

private:
    bool created_ = false;
    std::wstring face_;
    int height_ = 0;
    int weight_ = FW_NORMAL;
    bool italic_ = false;
};
