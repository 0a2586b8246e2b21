#pragma once
// CBitmapPickerCombo: a drop-down list whose items show a picture beside their text. Each item
// holds its picture's handle in its item data; the combo does not own the pictures (the
// caller's CBitmap objects must outlive it). User selection works as in every combo box.

#include "platform/ui/controls/CComboBox.h"

class CBitmap;

class CBitmapPickerCombo : public CComboBox {
public:
    CBitmapPickerCombo() = default;

    // The index of the new item; the bitmap may be null (text only).
    int AddBitmap(const CBitmap* bitmap, const std::wstring& text = L"");
    int InsertBitmap(int index, const CBitmap* bitmap, const std::wstring& text = L"");
    // Null for a bad index or an item without picture.
    HBITMAP bitmapOf(int index) const;
};
